// SPDX-License-Identifier: GPL-3.0-or-later
// The game a deal wins and the end of the match, each scored through
// tantear_baza on a last trick laid by hand. (The points of every trick are
// checked on whole deals: each shares out 130 plus its declarations.)
#include <gtest/gtest.h>

#include "core/picture.h"
#include "handlers/controls.h"
#include "scoring/hand_end.h"
#include "support/scoring_table.h"

using namespace quimbel;
using prueba::dar_mano;
using prueba::nombres;

namespace {

// Four cards worth nothing: Dos, Cuatro, Cinco and Seis of copas.
constexpr std::array<int, 4> sin_puntos = {11, 12, 13, 14};

struct Tanteo : prueba::MesaDeTanteo {
    // A trick collected: its cards leave the table, then it is scored.
    void baza(Equipo gana, std::array<int, 4> codigos) {
        en_mesa(codigos);
        for (bool& a_la_vista : m.en_mesa) a_la_vista = false;
        tantear_baza(m, gana);
    }
};

} // namespace

TEST_F(Tanteo, TheTenthTrickAddsTenAndDecidesTheGame) {
    struct Caso {
        Equipo ultima;
        int nosotros, ellos; // before the tenth trick, which is worth 0 + 10
        int juegos_nosotros, juegos_ellos;
        const char* vistos;
        int despues_nosotros; // the games after
        int despues_ellos;
    };
    const Caso casos[] = {
        {Equipo::nosotros, 90, 30, 0, 0, "ganjuego", 1, 0},
        {Equipo::nosotros, 91, 29, 0, 0, "ganjuego", 2, 0},
        {Equipo::ellos, 30, 90, 0, 0, "perjuego", 0, 1},
        {Equipo::ellos, 29, 91, 0, 0, "perjuego", 0, 2},
        // Declarations can take both teams over 100: only the winner's count.
        {Equipo::ellos, 100, 91, 0, 0, "perjuego", 0, 2},
        {Equipo::nosotros, 140, 110, 0, 0, "ganjuego", 2, 0},
        // Equal points go to the team of the last trick.
        {Equipo::nosotros, 55, 65, 0, 0, "ganjuego", 1, 0},
        {Equipo::ellos, 65, 55, 0, 0, "perjuego", 0, 1},
        // The match ends at eight games, whoever reaches them (7 to 8 below).
        {Equipo::ellos, 60, 70, 6, 6, "perjuego", 6, 7},
        {Equipo::ellos, 19, 91, 6, 7, "perjuego perpartida", 0, 0},
    };
    for (const Caso& c : casos) {
        SetUp();
        SCOPED_TRACE(::testing::Message() << c.nosotros << "-" << c.ellos);
        ultima();
        m.ultima_nosotros = c.ultima == Equipo::nosotros ? 0 : 1; // left from the deal before
        marcador(c.nosotros, c.ellos);
        juegos(c.juegos_nosotros, c.juegos_ellos);
        baza(c.ultima, sin_puntos);
        EXPECT_EQ(nombres(vistos), c.vistos);
        EXPECT_EQ(m.nosotros.juegos, c.despues_nosotros);
        EXPECT_EQ(m.ellos.juegos, c.despues_ellos);
        // The winner of the last trick has its 10, and the totals stay up
        // until the next deal unless the match has ended.
        if (vistos.size() == 1) {
            const bool nuestra = c.ultima == Equipo::nosotros;
            EXPECT_EQ(tanteo(Equipo::nosotros), c.nosotros + (nuestra ? 10 : 0));
            EXPECT_EQ(tanteo(Equipo::ellos), c.ellos + (nuestra ? 0 : 10));
        }
    }
    // A deal a tute has won is not compared, even at the tenth trick.
    SetUp();
    ultima();
    m.tute_cantado = SiNo::si;
    baza(Equipo::nosotros, sin_puntos);
    EXPECT_EQ(nombres(vistos), "");
}

TEST_F(Tanteo, EightGamesEndTheMatchAndTheNextDealStartsANewOne) {
    ultima();
    juegos(7, 5);
    marcador(60, 60);
    baza(Equipo::nosotros, sin_puntos);
    EXPECT_EQ(nombres(vistos), "ganjuego ganpartida");
    for (const Cuenta& c : {m.nosotros, m.ellos}) EXPECT_EQ(c.tanteo + c.juegos, 0);
    EXPECT_EQ(dibujar(m).barajar.caption, texto::nueva_partida);
    EXPECT_TRUE(m.puede_barajar);
    EXPECT_FALSE(m.puede_jugar);

    ASSERT_TRUE(pulsar(m, Control::barajar));
    EXPECT_EQ(dibujar(m).barajar.caption, texto::barajar_y_repartir);
}
