// SPDX-License-Identifier: GPL-3.0-or-later
// The declarations made for a team that has just won a trick: which pictures
// are shown, in which order, and what they add.
#include <gtest/gtest.h>

#include "core/picture.h"
#include "scoring/declarations.h"
#include "support/players_table.h"
#include "support/scoring_table.h"

using namespace quimbel;
using prueba::dar_manos;
using prueba::nombres;

namespace {

struct Cantes : prueba::MesaDeTanteo {
    // One pass for the team, the trick it won having brought it to `total`.
    void pasada(Equipo equipo, int total) {
        vistos.clear();
        m.cuenta(equipo).tanteo = total;
        if (equipo == Equipo::nosotros)
            cantes_nosotros(m);
        else
            cantes_ellos(m);
    }
};

} // namespace

TEST_F(Cantes, EachSeatDeclaresWhatItHoldsOnceAPassAndEachPairOnceADeal) {
    using enum Equipo;
    struct Paso {
        const char* manos; // a new deal with these hands; nullptr: the deal goes on
        int triunfo;
        Equipo equipo; // the team that won the trick, with `antes` points then
        int antes;
        const char* vistos;
        int despues;
    };
    const Paso pasos[] = {
        // The trump pair is a 40, never a 20, and not again.
        {"de:Ce 2o Re 4c", espadas, ellos, 15, "de40", 55},
        {nullptr, espadas, ellos, 60, "", 60},
        // The 40 first, then the other seat's 20.
        {"ar:Co 4o Ro yo:Rc 2b Cc", copas, nosotros, 4, "ab40 ar20oros", 64},
        // One declaration a seat in a pass, its other pair at the next.
        {"iz:Rb Co Cb Ro de:Cc Ce Rc Re", espadas, ellos, 0, "de40 iz20oros", 60},
        {nullptr, espadas, ellos, 70, "de20copas iz20bastos", 110},
        {nullptr, espadas, ellos, 110, "", 110},
        // Only for the team of the trick, with both cards in hand, once a deal.
        {"yo:Cc Rc 5o ar:-Cb Rb 6o iz:Co Ro", espadas, ellos, 0, "iz20oros", 20},
        {nullptr, espadas, nosotros, 10, "ab20copas", 30},
        {nullptr, espadas, nosotros, 30, "", 30},
        // Every Caballo and every Rey: the tute of Caballos. No 20 after a tute.
        {"ar:Co Ro Cc Rc Ce Re Cb Rb", espadas, nosotros, 0, "artutecab", 0},
        {"yo:Ro Rc Co Re Rb", espadas, nosotros, 0, "abtuterey", 0},
    };
    const char* mano = "";
    for (const Paso& p : pasos) {
        if (p.manos) {
            SetUp();
            prueba::poner_pinta(m, codigo_de(p.triunfo, rango_dos));
            dar_manos(m, mano = p.manos);
        }
        SCOPED_TRACE(mano);
        pasada(p.equipo, p.antes);
        EXPECT_EQ(nombres(vistos), p.vistos) << "at " << p.antes;
        EXPECT_EQ(tanteo(p.equipo), p.despues) << "at " << p.antes;
    }
}

TEST_F(Cantes, ATuteWinsTwoGamesEndsTheDealAndShowsTheHand) {
    m.puede_jugar = true;
    juegos(0, 3);
    // izquierda's tute is never looked at after derecha's.
    dar_manos(m, "de:Co -2o Cc Ce Cb iz:Ro Rc Re Rb");
    pasada(Equipo::ellos, 12);
    EXPECT_EQ(nombres(vistos), "detutecab");
    // Shown for one long pause with its beep, and hidden again.
    EXPECT_EQ(t.plataforma.pausas_largas, 1);
    EXPECT_EQ(t.plataforma.pitidos, 1);
    for (bool visible : dibujar(m).anuncios) EXPECT_FALSE(visible);
    EXPECT_EQ(m.ellos.juegos, 5);
    EXPECT_EQ(m.ellos.tanteo, 12);
    EXPECT_EQ(m.tute_cantado, SiNo::si);
    EXPECT_FALSE(m.puede_jugar);
    EXPECT_TRUE(m.puede_barajar);
    const Cuadro c = dibujar(m);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_FALSE(c.tapas[derecha][i].visible) << i;
        EXPECT_EQ(c.tapas[izquierda][i].visible, i <= 4) << i;
        EXPECT_EQ(c.manos[derecha][i].visible, i != 2 && i <= 5) << i;
    }
}
