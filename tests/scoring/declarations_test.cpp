// The declarations made for a team that has just won a trick: which pictures
// are shown, in which order, and what they add.
#include <gtest/gtest.h>

#include "scoring/declarations.h"
#include "support/players_table.h"
#include "support/recording_table.h"

using namespace quimbel;
using prueba::dar_mano_corta;
using prueba::nombres;

namespace {

struct Cantes : prueba::MesaDeTanteo {
    // One pass for the team, the trick it won having brought it to `total`.
    void pasada(Equipo equipo, int total) {
        vistos.clear();
        m.tanteo_equipo = total;
        if (equipo == Equipo::nosotros) {
            escribir_numero(m.tanteo_nosotros, total);
            cantes_nosotros(m);
        } else {
            escribir_numero(m.tanteo_ellos, total);
            cantes_ellos(m);
        }
    }
    // The seat plays the card in `slot`, as the play routines leave the hand.
    void jugar(int asiento, int slot) {
        m.cartas[asiento][m.palos[asiento][slot]][slot] = 0;
        m.manos[asiento][slot].visible = false;
    }
};

} // namespace

TEST_F(Cantes, EachSeatDeclaresWhatItHoldsOnceAPassAndEachPairOnceADeal) {
    struct Pasada {
        Equipo equipo;
        int antes;
        const char* vistos; // nullptr: no more passes
        int despues;
    };
    struct Caso {
        const char* que;
        int triunfo;
        const char* manos[3];
        Pasada pasadas[3];
        int juega_arriba = 0; // the slot of a card arriba has played
    };
    const Caso casos[] = {
        {"the trump pair is a 40, never a 20, and not again",
         espadas,
         {"de:Ce 2o Re 4c"},
         {{Equipo::ellos, 15, "de40", 55}, {Equipo::ellos, 60, "", 60}}},
        {"the 40 first, then the other seat's 20",
         copas,
         {"ar:Co 4o Ro", "yo:Rc 2b Cc"},
         {{Equipo::nosotros, 4, "ab40 ar20oros", 64}}},
        {"one declaration a seat in a pass, the other pair at the next",
         espadas,
         {"iz:Rb Co Cb Ro", "de:Cc Ce Rc Re"},
         {{Equipo::ellos, 0, "de40 iz20oros", 60},
          {Equipo::ellos, 70, "de20copas iz20bastos", 110},
          {Equipo::ellos, 110, "", 110}}},
        {"only the team of the trick, with both cards held, once a deal",
         espadas,
         {"yo:Cc Rc 5o", "ar:Cb Rb 6o", "iz:Co Ro"},
         {{Equipo::ellos, 0, "iz20oros", 20},
          {Equipo::nosotros, 10, "ab20copas", 30},
          {Equipo::nosotros, 30, "", 30}},
         1},
        {"a hand with every Caballo and Rey declares the Caballos",
         espadas,
         {"ar:Co Ro Cc Rc Ce Re Cb Rb"},
         {{Equipo::nosotros, 0, "artutecab", 0}}},
        {"no 20 after a tute",
         espadas,
         {"yo:Ro Rc Co Re Rb"},
         {{Equipo::nosotros, 0, "abtuterey", 0}}},
    };
    for (const Caso& c : casos) {
        SetUp();
        SCOPED_TRACE(c.que);
        prueba::poner_pinta(m, codigo_de(c.triunfo, rango_dos));
        for (const char* mano : c.manos)
            if (mano) dar_mano_corta(m, mano);
        if (c.juega_arriba) jugar(arriba, c.juega_arriba);
        for (const Pasada& p : c.pasadas) {
            if (!p.vistos) break;
            pasada(p.equipo, p.antes);
            EXPECT_EQ(nombres(vistos), p.vistos) << "after " << p.antes;
            EXPECT_EQ(tanteo(p.equipo), p.despues);
        }
    }
}

TEST_F(Cantes, ATuteWinsTwoGamesEndsTheDealAndShowsTheHand) {
    m.jugando.enabled = true;
    juegos(0, 3);
    dar_mano_corta(m, "de:Co 2o Cc Ce Cb");
    dar_mano_corta(m, "iz:Ro Rc Re Rb"); // never looked at after derecha's tute
    jugar(derecha, 2);
    pasada(Equipo::ellos, 12);
    EXPECT_EQ(nombres(vistos), "detutecab");
    // Shown for one long pause with its beep, and hidden again.
    EXPECT_EQ(t.plataforma.pausas_largas, 1);
    EXPECT_EQ(t.plataforma.pitidos, 1);
    for (bool visible : m.anuncios) EXPECT_FALSE(visible);
    EXPECT_EQ(m.juegos_ellos.caption, "5");
    EXPECT_EQ(m.tanteo_ellos.caption, "12");
    EXPECT_EQ(m.tute_cantado, SiNo::si);
    EXPECT_FALSE(m.jugando.enabled);
    EXPECT_TRUE(m.barajar.activo());
    for (int i = 1; i <= 10; ++i) {
        EXPECT_FALSE(m.tapas[derecha][i].visible) << i;
        EXPECT_EQ(m.tapas[izquierda][i].visible, i <= 4) << i;
        EXPECT_EQ(m.manos[derecha][i].visible, i != 2 && i <= 5) << i;
    }
}
