// Who wins a trick, complete or in progress, against a plain statement of the
// rule: the highest trump, else the highest card of the suit led.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/trick_winner.h"
#include "support/headless_table.h"

using namespace quimbel;
using prueba::poner_en_mesa;

namespace {

struct Baza : ::testing::Test {
    prueba::MesaDePrueba t;
    Mesa& m = t.m;
    void SetUp() override { prueba::limpiar_mesa(m); }
};

// The rule, written the plain way.
int ganador_esperado(const Mesa& m) {
    int triunfo = palo_de_codigo(m.pinta.tag);
    int mejor = 0;
    for (int k = 1; k <= 4; ++k)
        if (m.palo[k] == triunfo && (mejor == 0 || m.valor[k] > m.valor[mejor])) mejor = k;
    if (mejor) return mejor;
    int salida = m.palo[m.quien_sale];
    for (int k = 1; k <= 4; ++k)
        if (m.palo[k] == salida && (mejor == 0 || m.valor[k] > m.valor[mejor])) mejor = k;
    return mejor;
}

} // namespace

TEST_F(Baza, TheOnlyTrumpWins) {
    prueba::poner_pinta(m, 3); // oros
    m.quien_sale = derecha;
    poner_en_mesa(m, derecha, 20);  // As de copas
    poner_en_mesa(m, arriba, 1);    // Dos de oros
    poner_en_mesa(m, izquierda, 19);
    poner_en_mesa(m, yo, 30);
    decidir_baza(m);
    EXPECT_EQ(m.gana_baza, arriba);
    EXPECT_EQ(m.equipo_gana, Equipo::nosotros);
}

TEST_F(Baza, WithoutTrumpsTheLedSuitWinsAndAThirdSuitAsNever) {
    prueba::poner_pinta(m, 5); // oros
    m.quien_sale = izquierda;
    poner_en_mesa(m, izquierda, 25); // espadas, rank 5
    poner_en_mesa(m, yo, 28);        // espadas, rank 8
    poner_en_mesa(m, derecha, 40);   // As de bastos
    poner_en_mesa(m, arriba, 20);    // As de copas
    decidir_baza(m);
    EXPECT_EQ(m.gana_baza, yo);
    EXPECT_EQ(m.equipo_gana, Equipo::nosotros);
}

TEST_F(Baza, TheTrumpSuitFollowsTheTrumpCodeAtTheBoundaries) {
    m.quien_sale = derecha;
    // One card of each suit; whichever suit is trump wins.
    poner_en_mesa(m, derecha, 1);  // oros
    poner_en_mesa(m, arriba, 11);  // copas
    poner_en_mesa(m, izquierda, 21); // espadas
    poner_en_mesa(m, yo, 31);      // bastos
    struct Caso { int pinta, gana; };
    for (Caso c : {Caso{10, derecha}, {11, arriba}, {20, arriba}, {21, izquierda},
                   {30, izquierda}, {31, yo}, {40, yo}}) {
        m.pinta.tag = c.pinta;
        decidir_baza(m);
        EXPECT_EQ(m.gana_baza, c.gana) << c.pinta;
    }
}

TEST_F(Baza, APartialTrickNamesTheLeaderOrTheTrumper) {
    prueba::poner_pinta(m, 33); // bastos
    m.quien_sale = arriba;
    poner_en_mesa(m, arriba, 14);
    m.gana_baza = 3; // mirar_baza leaves gana_baza alone until it evaluates
    mirar_baza(m);
    EXPECT_EQ(m.equipo_gana, Equipo::nosotros);
    EXPECT_EQ(m.gana_baza, arriba);
    poner_en_mesa(m, izquierda, 32);
    mirar_baza(m);
    EXPECT_EQ(m.equipo_gana, Equipo::ellos);
    EXPECT_EQ(m.gana_baza, izquierda);
}

TEST_F(Baza, DecidirClearsTheOutputsWhileMirarKeepsTheSeat) {
    prueba::poner_pinta(m, 33);
    m.quien_sale = 4;
    // No leader's card and no trump: nothing to find, the evaluation stops.
    m.gana_baza = 3;
    mirar_baza(m);
    EXPECT_EQ(m.equipo_gana, Equipo::ninguno);
    EXPECT_EQ(m.gana_baza, 3);
    decidir_baza(m);
    EXPECT_EQ(m.gana_baza, 0);
}

TEST_F(Baza, AnEvaluatedSuitWithNoCardFallsBackToTheSuitLed) {
    prueba::poner_pinta(m, 2); // oros trump
    m.quien_sale = yo;
    poner_en_mesa(m, yo, 12);       // copas rank 2
    poner_en_mesa(m, derecha, 15);  // copas rank 5
    baza_a(m, bastos);              // no bastos down: the led copas decide
    EXPECT_EQ(m.gana_baza, derecha);
    EXPECT_EQ(m.equipo_gana, Equipo::ellos);
}

// Every arrangement the game can meet: any leader, one to four cards down in
// the order of play, any trump.
TEST_F(Baza, AgreesWithTheRuleOnTwentyThousandRandomTricks) {
    std::mt19937 gen(42);
    for (int n = 0; n < 20000; ++n) {
        prueba::limpiar_mesa(m);
        std::vector<int> mazo(40);
        for (int c = 0; c < 40; ++c) mazo[c] = c + 1;
        std::shuffle(mazo.begin(), mazo.end(), gen);
        m.pinta.tag = mazo[0];
        m.quien_sale = 1 + gen() % 4;
        int jugadas = 1 + gen() % 4;
        int asiento = m.quien_sale;
        for (int j = 0; j < jugadas; ++j) {
            poner_en_mesa(m, asiento, mazo[1 + j]);
            asiento = siguiente_asiento(asiento);
        }
        int esperado = ganador_esperado(m);
        if (jugadas == 4) decidir_baza(m); else mirar_baza(m);
        ASSERT_EQ(m.gana_baza, esperado) << "trick " << n;
        ASSERT_EQ(m.equipo_gana, equipo_de(esperado));
    }
}
