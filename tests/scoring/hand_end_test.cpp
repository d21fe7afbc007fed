// The points of a trick, the game a deal wins and the end of the match, each
// scored through tantear_baza on a trick laid by hand.
#include <gtest/gtest.h>

#include <array>

#include "core/controls.h"
#include "core/deal.h"
#include "core/texts.h"
#include "scoring/hand_end.h"
#include "support/headless_table.h"
#include "support/recording_table.h"

using namespace quimbel;
using prueba::dar_mano;
using prueba::nombres;
using Nombres = std::vector<std::string>;

namespace {

// Four cards worth nothing: Dos, Cuatro, Cinco and Seis of copas.
constexpr std::array<int, 4> baza_sin_puntos = {11, 12, 13, 14};

struct Tanteo : ::testing::Test {
    prueba::MesaQueAnota t;
    Mesa& m = t.m;
    std::vector<Anuncio>& vistos = t.plataforma.anuncios;

    void SetUp() override {
        prueba::vaciar_manos(m);
        prueba::poner_pinta(m, codigo_de(espadas, rango_dos));
        for (Etiqueta* e :
             {&m.tanteo_nosotros, &m.tanteo_ellos, &m.juegos_nosotros, &m.juegos_ellos})
            e->caption = "0";
        m.barajar = Boton{std::string(texto::barajar_y_repartir), true, false};
        m.jugando.enabled = false;
        m.recoger.enabled = false;
        m.tute_cantado = SiNo::no;
        vistos.clear();
        // A trick in the middle of a deal: the human still holds cards.
        m.baza_numero = 5;
        dar_mano(m, yo, {1, 2, 3});
    }

    void marcador(int nosotros, int ellos) {
        escribir_numero(m.tanteo_nosotros, nosotros);
        escribir_numero(m.tanteo_ellos, ellos);
    }
    void juegos(int nosotros, int ellos) {
        escribir_numero(m.juegos_nosotros, nosotros);
        escribir_numero(m.juegos_ellos, ellos);
    }
    // The tenth trick: the human's hand is empty and baza_numero has gone to 11.
    void ultima() {
        dar_mano(m, yo, {});
        m.baza_numero = 11;
    }
    void baza(Equipo gana, std::array<int, 4> codigos) {
        for (int k = 1; k <= 4; ++k) prueba::poner_en_mesa(m, k, codigos[k - 1]);
        m.equipo_gana = gana;
        tantear_baza(m);
    }
};

} // namespace

// ---- Points ----

TEST_F(Tanteo, EachCardCountsItsPointsAndTheTrickGoesToTheWinningTeam) {
    const int puntos[11] = {0, 0, 0, 0, 0, 0, 2, 3, 4, 10, 11}; // rank order 0 ("0") .. 10
    for (int rango = 0; rango <= 10; ++rango) {
        m.puntos_carta = rango;
        puntos_de_carta(m);
        EXPECT_EQ(m.puntos_carta, puntos[rango]) << rango;
    }

    marcador(5, 7);
    baza(Equipo::ellos, {30, 9, 18, 37}); // As, Tres, Rey, Caballo
    EXPECT_EQ(m.tanteo_ellos.caption, "35");
    EXPECT_EQ(m.tanteo_nosotros.caption, "5");
    baza(Equipo::nosotros, {16, 1, 22, 33}); // a Sota and three cards of nothing
    EXPECT_EQ(m.tanteo_nosotros.caption, "7");
    baza(Equipo::nosotros, baza_sin_puntos);
    EXPECT_EQ(m.tanteo_nosotros.caption, "7");
    EXPECT_EQ(m.tanteo_ellos.caption, "35");
    EXPECT_TRUE(vistos.empty());
}

TEST_F(Tanteo, AWholeDealScores130PlusItsDeclarationsWithTheLastTrickBonusOnce) {
    // The human holds all of bastos and plays them in rank order; trick t
    // holds the four cards of rank t. Odd tricks are ours, even ones theirs.
    dar_mano(m, yo, {31, 32, 33, 34, 35, 36, 37, 38, 39, 40});
    m.ultima_nosotros = 1; // left over from an earlier deal
    int repartido = 0;
    const int puntos[11] = {0, 0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
    for (int b = 1; b <= 10; ++b) {
        m.manos[yo][b].visible = false;
        m.cartas[yo][bastos][b] = 0;
        m.baza_numero = b + 1;
        baza(
            b % 2 ? Equipo::nosotros : Equipo::ellos,
            {codigo_de(oros, b), codigo_de(copas, b), codigo_de(espadas, b), codigo_de(bastos, b)});
        repartido += 4 * puntos[b];
        const int declarado = 20; // the human's Caballo and Rey of bastos, at the first trick
        EXPECT_EQ(valor_numerico(m.tanteo_nosotros.caption) +
                      valor_numerico(m.tanteo_ellos.caption),
                  repartido + declarado + (b == 10 ? 10 : 0))
            << "after trick " << b;
    }
    // Ours: 20 + 12 + 40 = 72; theirs: 8 + 16 + 44 + 10 = 78.
    EXPECT_EQ(m.tanteo_nosotros.caption, "72");
    EXPECT_EQ(m.tanteo_ellos.caption, "78");
    EXPECT_EQ(m.ultima_nosotros, 0);
    EXPECT_EQ(nombres(vistos), (Nombres{"ab20bastos", "perjuego"}));
    EXPECT_EQ(m.juegos_ellos.caption, "1");
    EXPECT_EQ(m.juegos_nosotros.caption, "0");
}

// ---- The game of a deal ----

TEST_F(Tanteo, MoreThanOneHundredPointsWinTwoGamesAndOneHundredOne) {
    struct Caso {
        Equipo ultima;
        int nosotros, ellos; // before the tenth trick, which is worth 0 + 10
        const char* banner;
        const char* juegos_nosotros;
        const char* juegos_ellos;
    };
    const Caso casos[] = {
        {Equipo::nosotros, 90, 30, "ganjuego", "1", "0"},
        {Equipo::nosotros, 91, 29, "ganjuego", "2", "0"},
        {Equipo::ellos, 30, 90, "perjuego", "0", "1"},
        {Equipo::ellos, 29, 91, "perjuego", "0", "2"},
        // Declarations can take both teams over 100: only the winner's points count.
        {Equipo::ellos, 100, 91, "perjuego", "0", "2"},
        {Equipo::nosotros, 140, 110, "ganjuego", "2", "0"},
    };
    for (const Caso& c : casos) {
        SetUp();
        ultima();
        marcador(c.nosotros, c.ellos);
        baza(c.ultima, baza_sin_puntos);
        EXPECT_EQ(nombres(vistos), Nombres{c.banner}) << c.nosotros << "-" << c.ellos;
        EXPECT_EQ(m.juegos_nosotros.caption, c.juegos_nosotros) << c.nosotros << "-" << c.ellos;
        EXPECT_EQ(m.juegos_ellos.caption, c.juegos_ellos) << c.nosotros << "-" << c.ellos;
    }
}

TEST_F(Tanteo, EqualPointsGoToTheTeamOfTheLastTrick) {
    ultima();
    m.ultima_nosotros = 0;
    marcador(55, 65);
    baza(Equipo::nosotros, baza_sin_puntos);
    EXPECT_EQ(m.tanteo_nosotros.caption, "65");
    EXPECT_EQ(nombres(vistos), Nombres{"ganjuego"});
    EXPECT_EQ(m.juegos_nosotros.caption, "1");

    vistos.clear();
    m.ultima_nosotros = 1;
    marcador(65, 55);
    baza(Equipo::ellos, baza_sin_puntos);
    EXPECT_EQ(nombres(vistos), Nombres{"perjuego"});
    EXPECT_EQ(m.juegos_ellos.caption, "1");
    // The deal's totals stay on the table until the next deal.
    EXPECT_EQ(m.tanteo_nosotros.caption, "65");
    EXPECT_EQ(m.tanteo_ellos.caption, "65");
}

// ---- The match ----

TEST_F(Tanteo, EightGamesEndTheMatchAndTheNextDealStartsANewOne) {
    ultima();
    juegos(7, 5);
    marcador(60, 60);
    baza(Equipo::nosotros, baza_sin_puntos);
    EXPECT_EQ(nombres(vistos), (Nombres{"ganjuego", "ganpartida"}));
    for (const Etiqueta* e :
         {&m.tanteo_nosotros, &m.tanteo_ellos, &m.juegos_nosotros, &m.juegos_ellos})
        EXPECT_EQ(e->caption, "0");
    EXPECT_EQ(m.barajar.caption, texto::nueva_partida);
    EXPECT_TRUE(m.barajar.activo());
    EXPECT_FALSE(m.jugando.enabled);

    ASSERT_TRUE(pulsar(m, Control::barajar));
    EXPECT_EQ(m.barajar.caption, texto::barajar_y_repartir);
    EXPECT_FALSE(m.barajar.enabled);
    EXPECT_EQ(m.juegos_nosotros.caption, "0");
}

TEST_F(Tanteo, TheirNinthGameEndsTheMatchToo) {
    ultima();
    juegos(6, 7);
    marcador(19, 91);
    baza(Equipo::ellos, baza_sin_puntos);
    EXPECT_EQ(nombres(vistos), (Nombres{"perjuego", "perpartida"}));
    EXPECT_EQ(m.juegos_ellos.caption, "0");
    EXPECT_EQ(m.barajar.caption, texto::nueva_partida);

    // One game short of eight: the match goes on and the scores stay.
    SetUp();
    ultima();
    juegos(6, 6);
    marcador(60, 70);
    baza(Equipo::ellos, baza_sin_puntos);
    EXPECT_EQ(nombres(vistos), Nombres{"perjuego"});
    EXPECT_EQ(m.juegos_ellos.caption, "7");
    EXPECT_EQ(m.tanteo_ellos.caption, "80");
    EXPECT_EQ(m.barajar.caption, texto::barajar_y_repartir);
}

TEST_F(Tanteo, ATuteEndsTheDealUncountedAndCanEndTheMatch) {
    for (Equipo equipo : {Equipo::ellos, Equipo::nosotros}) {
        SetUp();
        const int asiento = equipo == Equipo::ellos ? izquierda : arriba;
        dar_mano(m, asiento, {7, 17, 27, 37, 5});
        // Six games and the tute's two: the match is over.
        juegos(equipo == Equipo::nosotros ? 6 : 0, equipo == Equipo::ellos ? 6 : 0);
        marcador(20, 20);
        baza(equipo, baza_sin_puntos);
        EXPECT_EQ(m.tute_cantado, SiNo::si);
        const Nombres esperado = equipo == Equipo::ellos ? Nombres{"iztutecab", "perpartida"}
                                                         : Nombres{"artutecab", "ganpartida"};
        EXPECT_EQ(nombres(vistos), esperado);
        EXPECT_EQ(m.juegos_nosotros.caption, "0");
        EXPECT_EQ(m.juegos_ellos.caption, "0");
        EXPECT_EQ(m.barajar.caption, texto::nueva_partida);
    }

    // Even at the tenth trick a deal decided by a tute is not compared.
    SetUp();
    m.tute_cantado = SiNo::si;
    ultima();
    marcador(100, 10);
    baza(Equipo::nosotros, baza_sin_puntos);
    EXPECT_TRUE(vistos.empty());
    EXPECT_EQ(m.juegos_nosotros.caption, "0");
}
