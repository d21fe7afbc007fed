// The trick from the button La Mano: the computer seats before the human, his
// card, the seats after him, and which buttons can act in between.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/controls.h"
#include "core/deal.h"
#include "core/texts.h"
#include "core/turn.h"
#include "support/headless_table.h"
#include "table_checks.h"

using namespace quimbel;
using prueba::MesaQueAnota;

namespace {

// A source that always draws the same number.
struct AzarFijo : FuenteAzar {
    void resembrar() override {}
    double aleatorio() override { return 0.0; }
};

bool tiene_as(const Mesa& m, int asiento) {
    for (int i = 1; i <= 10; ++i)
        if (m.manos[asiento][i].visible && rango_de_codigo(m.manos[asiento][i].tag) == rango_as)
            return true;
    return false;
}

} // namespace

TEST(LaMano, EachLeaderPlaysTheSeatsBeforeTheHumanThenHisCardTheRest) {
    for (int lider = derecha; lider <= yo; ++lider) {
        SCOPED_TRACE(nombre_asiento(lider));
        MesaQueAnota t(100 + lider);
        Mesa& m = t.m;
        Form_Load(m);
        ASSERT_TRUE(pulsar(m, Control::barajar));
        ASSERT_TRUE(pulsar(m, Control::ordenamelas));
        m.quien_sale = lider;
        const bool lleva_as = lider != yo && tiene_as(m, lider);
        const int pausas = t.plataforma.pausas_cortas;

        ASSERT_TRUE(pulsar(m, Control::jugando));

        // The seats from the leader up to izquierda, in the order of play.
        std::vector<int> antes;
        for (int s = lider; s <= izquierda; ++s) antes.push_back(s);
        const auto& puestas = t.plataforma.puestas;
        ASSERT_EQ(puestas.size(), antes.size());
        EXPECT_EQ(t.plataforma.pausas_cortas - pausas, static_cast<int>(antes.size()))
            << "one short pause before each computer card";
        for (std::size_t n = 0; n < antes.size(); ++n) {
            auto [asiento, codigo] = puestas[n];
            EXPECT_EQ(asiento, antes[n]);
            EXPECT_TRUE(m.centro[asiento].visible);
            EXPECT_EQ(naipe_codigo(m.centro[asiento].dibujo), codigo);
            EXPECT_EQ(m.texto_palo(asiento), nombre_palo(palo_de_codigo(codigo)));
            EXPECT_EQ(m.texto_valor(asiento), std::to_string(rango_de_codigo(codigo)));
            EXPECT_EQ(m.texto_tag(asiento), std::to_string(codigo));
        }
        for (int k = derecha; k <= yo; ++k) {
            if (k >= lider && k <= izquierda) continue;
            EXPECT_FALSE(m.centro[k].visible);
            EXPECT_EQ(m.texto_palo(k), " ");
            EXPECT_EQ(m.texto_valor(k), "0");
            EXPECT_EQ(m.texto_tag(k), " ");
        }
        int contadas = 0;
        for (int palo = oros; palo <= bastos; ++palo) contadas += m.salidas[palo];
        if (lider == yo) {
            EXPECT_EQ(m.la_salida, 0) << "set later, by the human's lead";
            EXPECT_EQ(contadas, 0);
        } else {
            EXPECT_EQ(m.la_salida, m.palo[lider]);
            EXPECT_EQ(m.salidas[m.la_salida], 1);
            EXPECT_EQ(contadas, 1);
            if (lleva_as) {
                EXPECT_EQ(m.valor[lider], rango_as) << "the first trick opens with an As";
            }
        }
        EXPECT_TRUE(prueba::manos_cuadran(m));
        EXPECT_TRUE(prueba::cada_carta_en_un_sitio(m, {}));

        // Only the human's cards (and SALIR) can act now.
        for (int i = 1; i <= 10; ++i) EXPECT_TRUE(m.manos[yo][i].enabled);
        EXPECT_FALSE(m.ordenamelas.visible);
        for (Control c :
             {Control::barajar, Control::ordenamelas, Control::jugando, Control::recoger})
            EXPECT_FALSE(boton(m, c).activo());

        ASSERT_NE(prueba::jugar_primera_aceptada(m), 0);

        // All four have played, in the order of play from the leader.
        ASSERT_EQ(puestas.size(), 4u);
        for (int n = 0; n < 4; ++n) EXPECT_EQ(puestas[n].first, (lider - 1 + n) % 4 + 1);
        EXPECT_EQ(m.la_salida, palo_de_codigo(puestas[0].second));
        for (int k = derecha; k <= yo; ++k) EXPECT_TRUE(m.centro[k].visible);
        EXPECT_TRUE(prueba::manos_cuadran(m));
        EXPECT_TRUE(prueba::cada_carta_en_un_sitio(m, {}));
        EXPECT_TRUE(m.recoger.activo());
        EXPECT_FALSE(m.jugando.activo());
        for (int i = 1; i <= 10; ++i) EXPECT_FALSE(m.manos[yo][i].enabled);
    }
}

TEST(LaMano, TheFirstTrickOpensWithAnAsLaterTricksWithTheLeadChoice) {
    // derecha: Cinco espadas, Dos, Cuatro oros, As copas, Cinco, Seis copas,
    // and bastos. Neither arriba nor the human holds a Caballo and Rey pair.
    const std::initializer_list<int> derecha_mano = {23, 1, 2, 20, 13, 14, 33, 34, 35, 36};
    for (bool primera : {true, false}) {
        SCOPED_TRACE(primera ? "first trick" : "later trick");
        PlataformaSinPantalla plataforma;
        AzarFijo azar; // "Salir x MALA" starts with oros
        Mesa m(plataforma, azar);
        prueba::poner_pinta(m, 40);
        prueba::dar_mano(m, derecha, derecha_mano);
        prueba::dar_mano(m, arriba, {3, 4, 5, 15, 16, 24, 25, 26, 29, 39});
        prueba::dar_mano(m, izquierda, {6, 7, 8, 9, 17, 18, 27, 28, 37, 38});
        prueba::dar_mano(m, yo, {10, 11, 12, 19, 21, 22, 30, 31, 32, 40});
        if (!primera) {
            // The Cinco of espadas has gone in an earlier trick.
            m.manos[derecha][1].visible = false;
            m.tapas[derecha][1].visible = false;
            m.cartas[derecha][espadas][1] = 0;
        }
        m.quien_sale = derecha;
        m.jugando.enabled = true;
        ASSERT_TRUE(pulsar(m, Control::jugando));
        EXPECT_EQ(m.tag[derecha], primera ? 20 : 1);
        EXPECT_EQ(m.la_salida, primera ? copas : oros);
        if (!primera) {
            EXPECT_EQ(m.Label4.caption, texto::salir_x_mala);
        }
    }
}

TEST(LaMano, AnyLedTextButTheFirstThreeSuitsCountsAsBastos) {
    prueba::MesaDePrueba t;
    Mesa& m = t.m;
    for (int salida : {oros, copas, espadas, bastos, 0}) {
        m.la_salida = salida;
        contar_salida(m);
    }
    EXPECT_EQ(m.salidas[oros], 1);
    EXPECT_EQ(m.salidas[copas], 1);
    EXPECT_EQ(m.salidas[espadas], 1);
    EXPECT_EQ(m.salidas[bastos], 2);
}

TEST(Controles, AControlThatCannotActRunsNothingAndSalirAlwaysEnds) {
    prueba::MesaDePrueba t;
    Mesa& m = t.m;
    Form_Load(m);
    // Ready to deal: only the deal and SALIR.
    for (Control c : {Control::ordenamelas, Control::jugando, Control::recoger})
        EXPECT_FALSE(pulsar(m, c));
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(m, i));
    EXPECT_EQ(m.baza_numero, 0);
    EXPECT_FALSE(t.plataforma.terminado);

    // SALIR in the middle of the deal's pauses.
    t.plataforma.durante_pausa_corta = [&] {
        if (t.plataforma.pausas_cortas == 20) {
            EXPECT_TRUE(pulsar(m, Control::Command2));
        }
    };
    ASSERT_TRUE(pulsar(m, Control::barajar));
    EXPECT_TRUE(t.plataforma.terminado);
}
