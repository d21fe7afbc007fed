// SPDX-License-Identifier: GPL-3.0-or-later
// The window's load and the deal: leaders, hands, trump and buttons.
#include <gtest/gtest.h>

#include "checks/table_invariants.h"
#include "core/deal.h"
#include "core/picture.h"
#include "core/texts.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

TEST(FormLoad, TheDrawPicksTheFirstLeaderAndTheFirstDealStartsWithIt) {
    struct Caso {
        int sorteo, lider;
        const char* marcador;
    };
    for (Caso c : {Caso{1, derecha, "Sale:DERECHA"},
                   {2, arriba, "Sale:ARRIBA"},
                   {3, izquierda, "Sale:IZQUIERDO"},
                   {4, yo, "Salgo YO"},
                   {5, yo, "Salgo YO"}}) {
        PlataformaSinPantalla plataforma;
        AzarContado primero;
        primero.dara(c.sorteo, 5);
        Mesa m(plataforma, primero);
        Form_Load(m);
        EXPECT_EQ(m.quien_sale, c.lider);
        EXPECT_EQ(m.turno_mano, c.lider - 1);
        EXPECT_EQ(plataforma.pausas_cortas, 1);
        EXPECT_EQ(m.nosotros.juegos + m.ellos.juegos, 0);
        AzarGuionado baraja(7);
        m.azar = &baraja;
        barajar_Click(m);
        EXPECT_EQ(m.quien_sale, c.lider);
        EXPECT_EQ(dibujar(m).jugando.caption, c.marcador);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(dibujar(m).mano_marcador[k], k == c.lider);
    }
}

TEST(Barajar, FiveDealsRotateTheLeaderResetTheDealAndTurnUpTheDealersTenthCard) {
    MesaDePrueba t(3);
    Mesa& m = t.m;
    Form_Load(m);
    const int primero = m.quien_sale;
    for (int n = 0; n < 5; ++n) {
        // What the last deal, or a match won, left behind.
        m.nueva_partida = true;
        m.nosotros = {77, 3};
        m.cantado[arriba][copas] = m.salidas[oros] = 1;
        m.tute_cantado = SiNo::si;
        t.plataforma.pausas_cortas = 0;
        barajar_Click(m);

        const int lider = (primero - 1 + n) % 4 + 1, repartidor = (lider + 2) % 4 + 1;
        EXPECT_EQ(m.quien_sale, lider);
        EXPECT_EQ(m.turno_mano, lider);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(dibujar(m).mano_marcador[k], k == lider);
        EXPECT_EQ(t.plataforma.pausas_cortas, 40) << "one short pause before each card";
        const bool nada[por_carta] = {};
        EXPECT_EQ(revision::revisar_lugares(m, nada), "");
        EXPECT_EQ(revision::revisar_manos(m, {}), "");
        const Imagen decima = dibujar(m).manos[repartidor][10];
        EXPECT_TRUE(decima.visible) << "the trump stays in the dealer's hand";
        EXPECT_EQ(dibujar(m).pinta.tag, decima.tag);
        EXPECT_EQ(dibujar(m).pinta.dibujo, decima.dibujo);
        EXPECT_EQ(m.la_pinta, palo_de_codigo(decima.tag));
        EXPECT_TRUE(dibujar(m).pinta.visible && dibujar(m).shape4_visible &&
                    dibujar(m).label2_visible);

        const Cuadro c = dibujar(m);
        EXPECT_EQ(c.barajar.caption, "Barajar y Repartir");
        EXPECT_FALSE(c.barajar.enabled || c.jugando.enabled || c.recoger.enabled);
        EXPECT_TRUE(c.ordenamelas.activo());
        EXPECT_EQ(m.nosotros.tanteo, 0);
        EXPECT_EQ(m.nosotros.juegos, 3) << "games are not touched by a deal";
        EXPECT_EQ(m.cantado[arriba][copas] + m.salidas[oros] + (m.tute_cantado == SiNo::si), 0);
        EXPECT_EQ(m.baza_numero, 1);
    }
}
