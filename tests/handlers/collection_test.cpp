// SPDX-License-Identifier: GPL-3.0-or-later
// Collecting a finished trick with the recoger button: the winner is named and
// leads next, and the right button is offered afterwards.
#include <gtest/gtest.h>

#include "core/picture.h"
#include "handlers/controls.h"
#include "support/scoring_table.h"

using namespace quimbel;
using prueba::dar_mano;
using prueba::nombres;

namespace {

struct Recoger : prueba::MesaDeTanteo {
    // A trick complete on the table, the human's hand locked until the next:
    // derecha led copas and `ganador` put down the As, the others low copas.
    void baza_de(int ganador) {
        m.puede_recoger = true;
        m.juega_yo = false;
        m.quien_sale = derecha;
        en_mesa({11, 12, 13, 14});
        prueba::poner_en_mesa(m, ganador, 20);
    }
};

} // namespace

TEST_F(Recoger, TheWinnerIsNamedAndLeadsTheNextTrick) {
    struct Caso {
        int ganador;
        std::string_view caption;
        const char* equipo;
    };
    for (Caso c :
         {Caso{derecha, texto::sale_derecha, "ellos"}, Caso{arriba, texto::sale_arriba, "nosotros"},
          Caso{izquierda, texto::sale_izquierda, "ellos"}, Caso{yo, texto::salgo_yo, "nosotros"}}) {
        SetUp();
        baza_de(c.ganador);
        ASSERT_TRUE(pulsar(m, Control::recoger));
        ASSERT_EQ(t.plataforma.bazas.size(), 1u);
        EXPECT_EQ(t.plataforma.bazas[0].asiento, c.ganador);
        EXPECT_EQ(dibujar(m).jugando.caption, c.caption);
        EXPECT_EQ(m.quien_sale, c.ganador);
        EXPECT_EQ(dibujar(m).Label4.caption, c.equipo);
        EXPECT_EQ(dibujar(m).label7, c.ganador);
        EXPECT_EQ(m.baza_numero, 6);
        // The pictures go, but the trick table keeps the trick until the next lead.
        for (int k = 1; k <= 4; ++k) {
            EXPECT_FALSE(m.en_mesa[k]);
            EXPECT_NE(m.en_baza[k], 0);
        }
        EXPECT_TRUE(m.puede_jugar && !m.puede_recoger && !m.puede_barajar);
    }
}

// A tute that ends the match shows two pictures, each for a long pause. A deal
// started during either would be corrupted by the rest of the collection, so
// every control is pressed during both, as an impatient user would.
TEST_F(Recoger, PressesDuringTheBannersOfATuteThatEndsTheMatchDoNothing) {
    dar_mano(m, arriba, {7, 17, 27, 37, 5, 6});
    juegos(7, 0);
    baza_de(yo);
    int pausas = 0;
    t.plataforma.durante_pausa_larga = [&] {
        ++pausas;
        EXPECT_EQ(t.plataforma.bazas.size(), 1u) << "the trick is evaluated before";
        for (Control c :
             {Control::barajar, Control::jugando, Control::recoger, Control::ordenamelas})
            EXPECT_FALSE(pulsar(m, c)) << "pause " << pausas << ", control " << int(c);
        for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(m, i));
    };
    ASSERT_TRUE(pulsar(m, Control::recoger));
    EXPECT_EQ(pausas, 2);
    EXPECT_EQ(nombres(vistos), "artutecab ganpartida");

    // The deal that ended stays as the collection left it.
    EXPECT_EQ(m.tute_cantado, SiNo::si);
    EXPECT_EQ(m.quien_sale, yo);
    EXPECT_EQ(m.baza_numero, 6);
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(dibujar(m).tapas[arriba][i].visible);
    EXPECT_EQ(m.nosotros.juegos, 0);
    EXPECT_EQ(dibujar(m).barajar.caption, texto::nueva_partida);
    EXPECT_TRUE(m.puede_barajar);
    EXPECT_FALSE(m.puede_jugar);
}
