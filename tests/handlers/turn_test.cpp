// SPDX-License-Identifier: GPL-3.0-or-later
// The trick from La Mano: the computer seats before the human, his card, the
// seats after him. Which seats play, in which order, and which controls can
// act in between is checked on every command by the table checks.
#include <gtest/gtest.h>

#include <string>

#include "core/picture.h"
#include "core/texts.h"
#include "handlers/play_out.h"
#include "support/checked_table.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

TEST(LaMano, EachLeaderPlaysTheSeatsBeforeTheHumanThenHisCardTheRest) {
    for (int lider = derecha; lider <= yo; ++lider) {
        SCOPED_TRACE(nombre_asiento(lider));
        MesaRevisada t(100 + static_cast<unsigned>(lider));
        t.cargar();
        ASSERT_TRUE(t(Control::barajar) && t(Control::ordenamelas));
        t.m.quien_sale = lider;
        const int pausas = t.pausas_cortas;
        ASSERT_TRUE(t(Control::jugando));
        EXPECT_EQ(t.pausas_cortas - pausas, yo - lider) << "a pause before each card";
        EXPECT_EQ(t.m.la_salida, lider == yo ? 0 : t.m.palo_en(lider));

        const int ranura = jugar_primera_aceptada(t.m, t);
        ASSERT_NE(ranura, 0);
        EXPECT_EQ(t.m.la_salida, t.m.palo_en(lider));
        EXPECT_EQ(dibujar(t.m).Label3, lider);
    }
}

// Each lead counts for its own suit, whoever leads: the leader's Tres of a
// suit led once depends on it.
TEST(LaMano, EachLeadCountsForItsOwnSuit) {
    for (int lider : {derecha, yo})
        for (int palo = oros; palo <= bastos; ++palo) {
            SCOPED_TRACE(::testing::Message()
                         << nombre_asiento(lider) << " leads " << nombre_palo(palo));
            MesaDePrueba t;
            vaciar_manos(t.m);
            poner_pinta(t.m, codigo_de(palo % num_palos + 1, rango_dos));
            for (int asiento = derecha; asiento <= yo; ++asiento)
                dar_mano(t.m, asiento, {codigo_de(palo, asiento + 1)});
            t.m.quien_sale = lider;
            t.m.puede_jugar = true;
            ASSERT_TRUE(pulsar(t.m, Control::jugando));
            if (lider == yo) {
                ASSERT_TRUE(pulsar_carta(t.m, 1));
            }
            for (int p = oros; p <= bastos; ++p) EXPECT_EQ(t.m.salidas[p], p == palo ? 1 : 0) << p;
        }
}

TEST(LaMano, TheFirstTrickOpensWithAnAsLaterTricksWithTheLeadChoice) {
    for (bool primera : {true, false}) {
        SCOPED_TRACE(primera ? "first trick" : "later trick");
        PlataformaSinPantalla plataforma;
        AzarContado azar; // every draw gives 1: "Salir x MALA" starts with oros
        Mesa m(plataforma, azar);
        poner_pinta(m, as_de(bastos));
        // derecha: Cinco espadas, low oros, As and low copas, bastos; the
        // other hands are empty, so there is no pair to lead into.
        vaciar_manos(m);
        dar_mano(m, derecha, {23, 1, 2, 20, 13, 14, 33, 34, 35, 36});
        if (!primera) { // the Cinco of espadas went in an earlier trick
            retirar_carta(m, derecha, 1);
        }
        m.quien_sale = derecha;
        m.puede_jugar = true;
        ASSERT_TRUE(pulsar(m, Control::jugando));
        EXPECT_EQ(m.en_baza[derecha], primera ? as_de(copas) : dos(oros));
        if (!primera) {
            EXPECT_EQ(dibujar(m).Label4.caption, texto::salir_x_mala);
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
