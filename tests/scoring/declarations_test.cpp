// The declarations made for a team that has just won a trick: which pictures
// are shown, in which order, and what they add.
#include <gtest/gtest.h>

#include "scoring/declarations.h"
#include "support/headless_table.h"
#include "support/recording_table.h"

using namespace quimbel;
using prueba::dar_mano;
using prueba::nombres;
using Nombres = std::vector<std::string>;

namespace {

// Card codes of the pairs.
constexpr int caballo(int palo) {
    return codigo_de(palo, rango_caballo);
}
constexpr int rey(int palo) {
    return codigo_de(palo, rango_rey);
}

struct Cantes : ::testing::Test {
    prueba::MesaQueAnota t;
    Mesa& m = t.m;
    std::vector<Anuncio>& vistos = t.plataforma.anuncios;

    void SetUp() override {
        prueba::vaciar_manos(m);
        prueba::poner_pinta(m, codigo_de(espadas, rango_dos));
        for (Etiqueta* e :
             {&m.tanteo_nosotros, &m.tanteo_ellos, &m.juegos_nosotros, &m.juegos_ellos})
            e->caption = "0";
        // In the middle of a collection: no button but SALIR can act.
        m.barajar.enabled = false;
        m.jugando.enabled = false;
        m.recoger.enabled = false;
    }

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

// ---- 20 and 40 ----

TEST_F(Cantes, TheTrumpPairIsAFortyAndNeverATwenty) {
    dar_mano(m, derecha, {caballo(espadas), 1, rey(espadas), 12});
    pasada(Equipo::ellos, 15);
    EXPECT_EQ(nombres(vistos), Nombres{"de40"});
    EXPECT_EQ(m.tanteo_ellos.caption, "55");
    EXPECT_EQ(m.cantado[derecha][espadas], 1);
    // Each picture is shown for one long pause and hidden again, with its beep.
    EXPECT_EQ(t.plataforma.pausas_largas, 1);
    EXPECT_EQ(t.plataforma.pitidos, 1);
    for (bool visible : m.anuncios) EXPECT_FALSE(visible);

    // Still held at the next trick the team wins: neither a 40 nor a 20 again.
    pasada(Equipo::ellos, 60);
    EXPECT_TRUE(vistos.empty());
    EXPECT_EQ(m.tanteo_ellos.caption, "60");
}

TEST_F(Cantes, TheFortyComesFirstThenOneTwentyForTheOtherSeat) {
    prueba::poner_pinta(m, codigo_de(copas, rango_as));
    dar_mano(m, arriba, {caballo(oros), 2, rey(oros)});
    dar_mano(m, yo, {rey(copas), 31, caballo(copas)});
    pasada(Equipo::nosotros, 4);
    EXPECT_EQ(nombres(vistos), (Nombres{"ab40", "ar20oros"}));
    EXPECT_EQ(m.tanteo_nosotros.caption, "64");
    EXPECT_EQ(m.tanteo_equipo, 64);
}

TEST_F(Cantes, ASeatDeclaresOnceAPassAndItsOtherPairAtTheNextTrickWon) {
    // izquierda holds two plain pairs: oros first, bastos at the next pass.
    dar_mano(m, izquierda, {rey(bastos), caballo(oros), caballo(bastos), rey(oros)});
    // derecha holds the trump pair and a plain one: a 40 now, the 20 later.
    dar_mano(m, derecha, {caballo(copas), caballo(espadas), rey(copas), rey(espadas)});
    pasada(Equipo::ellos, 0);
    EXPECT_EQ(nombres(vistos), (Nombres{"de40", "iz20oros"}));
    EXPECT_EQ(m.tanteo_ellos.caption, "60");
    pasada(Equipo::ellos, 70);
    EXPECT_EQ(nombres(vistos), (Nombres{"de20copas", "iz20bastos"}));
    EXPECT_EQ(m.tanteo_ellos.caption, "110");
    pasada(Equipo::ellos, 110);
    EXPECT_TRUE(vistos.empty());
}

TEST_F(Cantes, APairIsDeclaredOnlyWhileBothCardsAreInTheHandOfItsTeamsWinner) {
    dar_mano(m, yo, {caballo(copas), rey(copas), 3});
    dar_mano(m, arriba, {caballo(bastos), rey(bastos), 4});
    dar_mano(m, izquierda, {caballo(oros), rey(oros)});
    // The other team's trick: nothing of ours is declared, nor theirs of us.
    jugar(arriba, 1); // the Caballo of bastos is played first
    pasada(Equipo::ellos, 0);
    EXPECT_EQ(nombres(vistos), Nombres{"iz20oros"});
    pasada(Equipo::nosotros, 10);
    EXPECT_EQ(nombres(vistos), Nombres{"ab20copas"});
    EXPECT_EQ(m.tanteo_nosotros.caption, "30");
    // Declared once in the deal, however often the team wins afterwards.
    pasada(Equipo::nosotros, 30);
    EXPECT_TRUE(vistos.empty());
    EXPECT_EQ(m.tanteo_nosotros.caption, "30");
}

// ---- Tute ----

TEST_F(Cantes, ATuteWinsTwoGamesEndsTheDealAndShowsTheHand) {
    m.jugando.enabled = true;
    escribir_numero(m.juegos_ellos, 3);
    dar_mano(m, derecha, {caballo(oros), 1, caballo(copas), caballo(espadas), caballo(bastos)});
    // izquierda's tute is never looked at after it.
    dar_mano(m, izquierda, {rey(oros), rey(copas), rey(espadas), rey(bastos)});
    jugar(derecha, 2);
    pasada(Equipo::ellos, 12);
    EXPECT_EQ(nombres(vistos), Nombres{"detutecab"});
    EXPECT_EQ(m.juegos_ellos.caption, "5");
    EXPECT_EQ(m.tanteo_ellos.caption, "12"); // the trick's points stay
    EXPECT_EQ(m.tute_cantado, SiNo::si);
    EXPECT_FALSE(m.jugando.enabled);
    EXPECT_TRUE(m.barajar.activo());
    for (int i = 1; i <= 10; ++i) {
        EXPECT_FALSE(m.tapas[derecha][i].visible) << i;
        EXPECT_EQ(m.tapas[izquierda][i].visible, i <= 4) << i;
    }
    // The four Caballos are face up.
    for (int i : {1, 3, 4, 5}) EXPECT_TRUE(m.manos[derecha][i].visible);
}

TEST_F(Cantes, AHandWithEveryCaballoAndEveryReyDeclaresTheCaballos) {
    dar_mano(m, arriba,
             {caballo(oros), rey(oros), caballo(copas), rey(copas), caballo(espadas), rey(espadas),
              caballo(bastos), rey(bastos)});
    pasada(Equipo::nosotros, 0);
    EXPECT_EQ(nombres(vistos), Nombres{"artutecab"});
    EXPECT_EQ(m.juegos_nosotros.caption, "2");
    EXPECT_EQ(m.tanteo_nosotros.caption, "0");
}

TEST_F(Cantes, NoTwentyFollowsATute) {
    // Four Reyes and a plain Caballo: the tute de reyes, and no 20 of oros.
    dar_mano(m, yo, {rey(oros), rey(copas), caballo(oros), rey(espadas), rey(bastos)});
    pasada(Equipo::nosotros, 0);
    EXPECT_EQ(nombres(vistos), Nombres{"abtuterey"});
    EXPECT_EQ(m.juegos_nosotros.caption, "2");
    EXPECT_EQ(m.tanteo_nosotros.caption, "0");
}
