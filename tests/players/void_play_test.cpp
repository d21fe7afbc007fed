// A computer seat with no card of the led suit: over-trump only with a card
// that beats the table, discard by which team is winning, Aces of the other
// suits last, and trump an untrumped trick with the cheapest trump.
#include <gtest/gtest.h>

#include "players/follow.h"
#include "players/void_play.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

using Fallo = MesaDeJugadores;
using SinPalo = MesaDeJugadores;

} // namespace

TEST_F(Fallo, OverTrumpsOnlyWithACardThatBeatsEveryTrumpDown) {
    pinta(bastos);
    sale(arriba, cuatro(copas));
    echa(izquierda, cinco(copas));
    echa(yo, sota(bastos)); // rank 6
    // The Cinco does not beat the Sota; the Caballo does.
    mano(derecha, {cinco(bastos), caballo(bastos), as_de(bastos)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), caballo(bastos));

    // It over-trumps its partner's trump too, with the cheapest that beats it.
    limpiar_mesa(m);
    sale(arriba, cuatro(copas));
    echa(izquierda, siete(bastos)); // rank 5
    echa(yo, cinco(copas));
    mano(derecha, {rey(bastos), cinco(bastos), sota(bastos)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), sota(bastos));

    // Nothing below the As beats a Tres of trumps: the As goes.
    limpiar_mesa(m);
    sale(arriba, cuatro(copas));
    echa(izquierda, tres_de(bastos));
    echa(yo, cinco(copas));
    mano(derecha, {rey(bastos), as_de(bastos)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), as_de(bastos));
}

TEST_F(Fallo, WithoutAWinningTrumpItDiscardsByWhoIsWinning) {
    // izquierda (derecha's partner) wins with the Rey of bastos: the Tres of
    // oros, the most valuable discard, goes; the Caballo of trumps stays.
    pinta(bastos);
    sale(arriba, cuatro(copas));
    echa(izquierda, rey(bastos));
    echa(yo, cinco(copas));
    mano(derecha, {caballo(bastos), cuatro(espadas), tres_de(oros)});
    seguir(m, derecha);
    EXPECT_EQ(m.equipo_gana, Equipo::ellos);
    EXPECT_EQ(jugada(derecha), tres_de(oros));

    // yo wins with the Tres of bastos: the cheapest discard, low cards first in
    // the order copas, espadas, oros.
    limpiar_mesa(m);
    sale(arriba, cuatro(copas));
    echa(izquierda, cinco(copas));
    echa(yo, tres_de(bastos));
    mano(derecha, {caballo(bastos), tres_de(oros), cuatro(espadas)});
    seguir(m, derecha);
    EXPECT_EQ(m.equipo_gana, Equipo::nosotros);
    EXPECT_EQ(jugada(derecha), cuatro(espadas));
    // A trump that cannot win stays in hand while any other card remains.
    retirar(derecha);
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), tres_de(oros));
    retirar(derecha);
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), caballo(bastos));
}

TEST_F(Fallo, TheDiscardOrderOfTheOtherSuitsFollowsTheTrump) {
    // copas, espadas, bastos, with oros in the trump suit's place.
    const int orden[5][3] = {{0, 0, 0},
                             {copas, espadas, bastos},
                             {oros, espadas, bastos},
                             {copas, oros, bastos},
                             {copas, espadas, oros}};
    for (int triunfo = oros; triunfo <= bastos; ++triunfo) {
        for (bool ganan_ellos : {false, true}) {
            // arriba holds a low card and the Tres of each other suit, the
            // suits in reverse order, and a Caballo of trumps that cannot win.
            const int o0 = orden[triunfo][0], o1 = orden[triunfo][1], o2 = orden[triunfo][2];
            mano(arriba, {cuatro(o2), tres_de(o2), cuatro(o1), tres_de(o1), cuatro(o0),
                          tres_de(o0), caballo(triunfo)});
            for (int vez = 0; vez < 3; ++vez) {
                // izquierda leads, yo trumps with the Rey; derecha over-trumps
                // with the Tres (ellos winning) or follows suit (nosotros).
                limpiar_mesa(m);
                pinta(triunfo);
                const int led = triunfo == copas ? oros : copas;
                sale(izquierda, sota(led));
                echa(yo, rey(triunfo));
                echa(derecha, ganan_ellos ? tres_de(triunfo) : cinco(led));
                fallar(m, triunfo, arriba);
                // The opponents winning: cheap, low cards first. The partner
                // winning: generous, the Treses first.
                EXPECT_EQ(jugada(arriba), ganan_ellos ? cuatro(orden[triunfo][vez])
                                                      : tres_de(orden[triunfo][vez]))
                    << nombre_palo(triunfo) << (ganan_ellos ? " cheap " : " generous ") << vez;
            }
        }
    }
}

TEST_F(Fallo, AsOfOtherSuitsGoOnlyAfterEveryOtherDiscardAndLosingTrumpsLast) {
    pinta(oros);
    sale(derecha, cuatro(copas));
    echa(arriba, cinco(oros));
    // izquierda holds no copas and cannot beat the Cinco of oros: with
    // nosotros winning, the low discard, then the Rey, then the As of espadas,
    // and the trumps that cannot win last, in slot order.
    mano(izquierda, {cuatro(oros), as_de(espadas), sota(bastos), rey(espadas), dos(oros)});
    for (int esperada : {sota(bastos), rey(espadas), as_de(espadas), cuatro(oros), dos(oros)}) {
        fallar(m, oros, izquierda);
        EXPECT_EQ(jugada(izquierda), esperada);
        retirar(izquierda);
    }
    fallar(m, oros, izquierda);
    EXPECT_EQ(m.carta_elegida, SiNo::no) << "an empty hand plays nothing";
}

TEST_F(SinPalo, TheCheapestTrumpGoesEvenOnThePartnersTrick) {
    pinta(copas);
    sale(arriba, as_de(oros)); // arriba, derecha's opponent, leads
    // derecha's order: low, Tres, As, Caballo/Rey of trumps.
    mano(derecha, {caballo(copas), as_de(copas), tres_de(copas), dos(copas)});
    for (int esperada : {dos(copas), tres_de(copas), as_de(copas), caballo(copas)}) {
        seguir(m, derecha);
        EXPECT_EQ(jugada(derecha), esperada);
        retirar(derecha);
    }
    // And on a partner's trick: arriba follows yo's winning Tres of oros.
    limpiar_mesa(m);
    sale(yo, tres_de(oros));
    echa(derecha, cuatro(oros));
    mano(arriba, {rey(bastos), sota(copas)});
    seguir(m, arriba);
    EXPECT_EQ(jugada(arriba), sota(copas));
}

TEST_F(SinPalo, ItLoadsOnlyInTheDealsWhoseFirstLeaderPlaysRightAfterIt) {
    // seat, its partner who is winning, the deal's first leader that allows loading
    struct Caso {
        int asiento, companero, lider, turno;
    };
    for (auto [asiento, companero, lider, turno] :
         {Caso{derecha, izquierda, izquierda, arriba}, Caso{arriba, yo, yo, izquierda},
          Caso{izquierda, derecha, derecha, yo}}) {
        for (int turno_mano = derecha; turno_mano <= yo; ++turno_mano) {
            vaciar_manos(m);
            limpiar_mesa(m);
            pinta(bastos);
            m.turno_mano = turno_mano;
            sale(lider, as_de(oros)); // the partner leads the winning As
            if (lider != companero) echa(companero, as_de(oros));
            mano(asiento, {cuatro(copas), tres_de(espadas), caballo(copas)});
            seguir(m, asiento);
            EXPECT_EQ(jugada(asiento), turno_mano == turno ? tres_de(espadas) : cuatro(copas))
                << nombre_asiento(asiento) << " turno_mano " << turno_mano;
        }
    }
}

TEST_F(SinPalo, OnATrickOfTheOtherTeamTheCheapestCardGoesAndTheAsLast) {
    pinta(bastos);
    m.turno_mano = arriba; // would allow derecha to load, had its team been winning
    sale(arriba, tres_de(oros));
    mano(derecha, {as_de(copas), tres_de(espadas), rey(copas), cinco(espadas)});
    for (int esperada : {cinco(espadas), rey(copas), tres_de(espadas), as_de(copas)}) {
        seguir(m, derecha);
        EXPECT_EQ(jugada(derecha), esperada);
        retirar(derecha);
    }
}

TEST_F(SinPalo, LoadingThrowsTresThenCaballoReyThenLowCardsAndTheAsLast) {
    pinta(bastos);
    m.turno_mano = yo;
    m.quien_sale = derecha;
    sale(derecha, sota(oros));
    mano(izquierda, {as_de(copas), cuatro(espadas), rey(copas), tres_de(espadas)});
    for (int esperada : {tres_de(espadas), rey(copas), cuatro(espadas), as_de(copas)}) {
        seguir(m, izquierda);
        EXPECT_EQ(jugada(izquierda), esperada);
        retirar(izquierda);
    }
}

TEST_F(SinPalo, IzquierdaDrawsOnceForEachLowCardCallOfItsDiscard) {
    pinta(bastos);
    m.turno_mano = derecha;
    sale(arriba, cuatro(oros));
    // No oros, no bastos: triunfar's low-card call draws, then descartar's
    // four low-card calls, then Caballo/Rey, Tres, As.
    mano(izquierda, {as_de(copas)});
    seguir(m, izquierda);
    EXPECT_EQ(jugada(izquierda), as_de(copas));
    // seguir_palo's low-card call, triunfar's, and four of descartar.
    EXPECT_EQ(azar.sorteos, 1 + 1 + 4);
}
