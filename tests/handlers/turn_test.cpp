// The trick from La Mano: the computer seats before the human, his card, the
// seats after him, and which controls can act in between.
#include <gtest/gtest.h>

#include <string>

#include "core/deal.h"
#include "core/texts.h"
#include "table_checks.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

int salidas_contadas(const Mesa& m) {
    return m.salidas[oros] + m.salidas[copas] + m.salidas[espadas] + m.salidas[bastos];
}

} // namespace

TEST(LaMano, EachLeaderPlaysTheSeatsBeforeTheHumanThenHisCardTheRest) {
    for (int lider = derecha; lider <= yo; ++lider) {
        SCOPED_TRACE(nombre_asiento(lider));
        MesaJugada t(100 + lider);
        Mesa& m = t.m;
        Form_Load(m);
        ASSERT_TRUE(pulsar(m, Control::barajar) && pulsar(m, Control::ordenamelas));
        m.quien_sale = lider;
        const int pausas = t.plataforma.pausas_cortas;
        ASSERT_TRUE(pulsar(m, Control::jugando));

        // The seats from the leader up to izquierda, in that order, each on its row.
        const auto& puestas = t.plataforma.puestas;
        ASSERT_EQ(static_cast<int>(puestas.size()), yo - lider);
        EXPECT_EQ(t.plataforma.pausas_cortas - pausas, yo - lider) << "a pause before each card";
        for (int k = derecha; k <= yo; ++k) {
            const bool jugo = k >= lider && k < yo;
            const int codigo = jugo ? puestas[k - lider].codigo : 0;
            EXPECT_EQ(jugo ? puestas[k - lider].asiento : k, k);
            EXPECT_EQ(m.centro[k].visible, jugo) << k;
            EXPECT_EQ(m.tag[k], codigo) << k;
            EXPECT_EQ(m.palo[k], jugo ? palo_de_codigo(codigo) : 0) << k;
            EXPECT_EQ(m.valor[k], jugo ? rango_de_codigo(codigo) : 0) << k;
        }
        EXPECT_EQ(m.la_salida, lider == yo ? 0 : m.palo[lider]);
        EXPECT_EQ(salidas_contadas(m), lider == yo ? 0 : 1);
        EXPECT_TRUE(manos_cuadran(m));
        EXPECT_TRUE(cada_carta_en_un_sitio(m, {}));
        for (int i = 1; i <= 10; ++i) EXPECT_TRUE(m.manos[yo][i].enabled);
        for (Control c : {Control::barajar, Control::jugando, Control::recoger})
            EXPECT_FALSE(boton(m, c).activo());

        // His card, then the seats after him.
        const int ranura = jugar_primera_aceptada(m);
        ASSERT_NE(ranura, 0);
        ASSERT_EQ(puestas.size(), 4u);
        for (int n = 0; n < 4; ++n) EXPECT_EQ(puestas[n].asiento, (lider - 1 + n) % 4 + 1);
        EXPECT_EQ(puestas[yo - lider].codigo, m.manos[yo][ranura].tag);
        EXPECT_EQ(m.la_salida, palo_de_codigo(puestas[0].codigo));
        EXPECT_EQ(salidas_contadas(m), 1);
        EXPECT_EQ(m.Label3.caption, std::to_string(lider));
        EXPECT_TRUE(manos_cuadran(m));
        EXPECT_TRUE(cada_carta_en_un_sitio(m, {}));
        EXPECT_TRUE(m.recoger.activo() && !m.jugando.activo());
        for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(m, i)) << "a second card";
    }
}

TEST(LaMano, TheFirstTrickOpensWithAnAsLaterTricksWithTheLeadChoice) {
    for (bool primera : {true, false}) {
        SCOPED_TRACE(primera ? "first trick" : "later trick");
        PlataformaSinPantalla plataforma;
        AzarContado azar; // every draw gives 1: "Salir x MALA" starts with oros
        Mesa m(plataforma, azar);
        poner_pinta(m, as_de(bastos));
        // derecha: Cinco espadas, low oros, As and low copas, bastos. No seat
        // holds a Caballo and Rey pair.
        dar_mano(m, derecha, {23, 1, 2, 20, 13, 14, 33, 34, 35, 36});
        dar_mano(m, arriba, {3, 4, 5, 15, 16, 24, 25, 26, 29, 39});
        dar_mano(m, izquierda, {6, 7, 8, 9, 17, 18, 27, 28, 37, 38});
        dar_mano(m, yo, {10, 11, 12, 19, 21, 22, 30, 31, 32, 40});
        if (!primera) { // the Cinco of espadas went in an earlier trick
            m.manos[derecha][1].visible = m.tapas[derecha][1].visible = false;
            m.cartas[derecha][espadas][1] = 0;
        }
        m.quien_sale = derecha;
        m.jugando.enabled = true;
        ASSERT_TRUE(pulsar(m, Control::jugando));
        EXPECT_EQ(m.tag[derecha], primera ? as_de(copas) : dos(oros));
        if (!primera) {
            EXPECT_EQ(m.Label4.caption, texto::salir_x_mala);
        }
    }
}

TEST(Controles, SalirEndsTheProgramEvenInTheMiddleOfADeal) {
    MesaDePrueba t;
    Form_Load(t.m);
    t.plataforma.durante_pausa_corta = [&t] {
        if (t.plataforma.pausas_cortas == 20) {
            EXPECT_TRUE(pulsar(t.m, Control::Command2));
        }
    };
    ASSERT_TRUE(pulsar(t.m, Control::barajar));
    EXPECT_TRUE(t.plataforma.terminado);
}
