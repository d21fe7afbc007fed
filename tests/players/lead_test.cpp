// The lead of a computer seat: into the other team's Caballo and Rey, else
// "Salir x MALA" from a drawn first suit.
#include <gtest/gtest.h>

#include "core/texts.h"
#include "players/lead.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

using Salida = MesaDeJugadores;

struct Vigilados {
    int lider, a, b;
};
// Each leader watches the two seats of the other team.
constexpr Vigilados vigilados[] = {
    {derecha, arriba, yo}, {izquierda, arriba, yo}, {arriba, derecha, izquierda}};

} // namespace

TEST_F(Salida, EveryLeaderLeadsIntoEitherOpponentsPair) {
    for (auto [lider, a, b] : vigilados) {
        for (int quien : {a, b}) {
            vaciar_manos(m);
            m.quien_sale = lider;
            // The leader's random lead would be oros (draw 1); the pair is in espadas.
            mano(lider, {cuatro(oros), siete(espadas)});
            mano(quien, {caballo(espadas), cuatro(copas), rey(espadas)});
            azar.dara(1, 4);
            salida(m, lider);
            EXPECT_EQ(jugada(lider), siete(espadas))
                << nombre_asiento(lider) << " missed " << nombre_asiento(quien) << "'s pair";
            EXPECT_EQ(m.Label4.caption, texto::cantan_a[espadas]);
        }
    }
}

TEST_F(Salida, ADeclaredSuitDiscountsOnlyTheSecondWatchedSeat) {
    for (auto [lider, a, b] : vigilados) {
        for (int declaro : {a, b}) {
            vaciar_manos(m);
            m.quien_sale = lider;
            mano(lider, {cuatro(oros), siete(copas)});
            mano(b, {caballo(copas), rey(copas)});
            m.cantado[declaro][copas] = 1;
            azar.dara(1, 4);
            salida(m, lider);
            EXPECT_EQ(jugada(lider), cuatro(oros)) << nombre_asiento(lider);
            EXPECT_EQ(m.Label4.caption, texto::salir_x_mala);

            // The same pair in the first watched seat counts whoever declared.
            vaciar_manos(m);
            mano(lider, {cuatro(oros), siete(copas)});
            mano(a, {caballo(copas), rey(copas)});
            m.cantado[b][copas] = 1;
            azar.dara(1, 4);
            salida(m, lider);
            EXPECT_EQ(jugada(lider), siete(copas)) << nombre_asiento(lider);
            m.cantado[declaro][copas] = 0;
            m.cantado[b][copas] = 0;
        }
    }
}

TEST_F(Salida, APartnersPairOrAHalfPairIsNoReason) {
    m.quien_sale = derecha;
    mano(derecha, {cuatro(oros), siete(copas), cinco(espadas)});
    mano(izquierda, {caballo(copas), rey(copas)}); // the partner
    mano(arriba, {caballo(espadas), rey(oros)});   // not a pair of one suit
    azar.dara(1, 4);
    salida(m, derecha);
    EXPECT_EQ(jugada(derecha), cuatro(oros));
    EXPECT_EQ(m.Label4.caption, texto::salir_x_mala);
}

TEST_F(Salida, APairSuitTheLeaderCannotLeadGivesWayToTheNext) {
    m.quien_sale = derecha;
    // arriba holds the pairs of espadas and bastos; derecha has no espadas, and
    // of bastos only a low card behind an As of oros.
    mano(arriba, {caballo(espadas), rey(espadas), caballo(bastos), rey(bastos)});
    mano(derecha, {as_de(oros), seis(bastos)});
    salida(m, derecha);
    EXPECT_EQ(jugada(derecha), seis(bastos));
    EXPECT_EQ(m.Label4.caption, texto::cantan_a[bastos]);
    EXPECT_EQ(azar.sorteos, 0) << "the pair lead draws nothing";

    // With only a Caballo of bastos nothing goes down for either pair, and the
    // random chain leads: its Label4 text is the last one written.
    mano(derecha, {caballo(bastos), as_de(oros)});
    azar.dara(4, 4); // bastos first: no low card, then oros' As in the first round
    salida(m, derecha);
    EXPECT_EQ(jugada(derecha), as_de(oros));
    EXPECT_EQ(m.Label4.caption, texto::salir_x_mala);
}

TEST_F(Salida, AgainstAPairTheAsGoesFirstThenTheTresOfASuitLedOnce) {
    m.quien_sale = arriba;
    mano(izquierda, {rey(oros), caballo(oros)});
    mano(arriba, {cuatro(oros), tres_de(oros), as_de(oros)});
    salida(m, arriba);
    EXPECT_EQ(jugada(arriba), as_de(oros));
    m.salidas[oros] = 1;
    salida(m, arriba);
    EXPECT_EQ(jugada(arriba), tres_de(oros));
    salida(m, arriba);
    EXPECT_EQ(jugada(arriba), cuatro(oros));
}

TEST_F(Salida, SalirMalaStartsAtTheDrawnSuitAndTriesTheKindsRoundByRound) {
    m.quien_sale = derecha;
    // r = 3: espadas, bastos, oros, copas. A Caballo of oros and a Tres of
    // copas, copas never led: the Caballo (second round), not the Tres (last).
    mano(derecha, {tres_de(copas), caballo(oros)});
    azar.dara(3, 4);
    salir_mala(m, derecha);
    EXPECT_EQ(m.sorteo, 3);
    EXPECT_EQ(jugada(derecha), caballo(oros));

    // Low cards in every suit: the drawn suit's goes first.
    for (int r = 1; r <= 4; ++r) {
        mano(derecha, {cuatro(oros), cuatro(copas), cuatro(espadas), cuatro(bastos)});
        azar.dara(r, 4);
        salir_mala(m, derecha);
        EXPECT_EQ(palo_de_codigo(jugada(derecha)), r);
    }
    // Cyclic: from bastos the next suit is oros.
    mano(derecha, {cuatro(espadas), cuatro(copas), cuatro(oros)});
    azar.dara(4, 4);
    salir_mala(m, derecha);
    EXPECT_EQ(jugada(derecha), cuatro(oros));

    // The As round comes before the Tres round.
    mano(derecha, {tres_de(oros), as_de(espadas)});
    azar.dara(1, 4);
    m.quien_sale = arriba; // not leading, so baja does not try the As itself
    salir_mala(m, derecha);
    EXPECT_EQ(jugada(derecha), as_de(espadas));
    EXPECT_EQ(azar.sorteos, 7);
}

TEST_F(Salida, IzquierdaDrawsOnceForTheFirstSuitAndOnceForEachLowCardCall) {
    m.quien_sale = izquierda;
    mano(izquierda, {rey(bastos)});
    salir_mala(m, izquierda);
    EXPECT_EQ(jugada(izquierda), rey(bastos));
    EXPECT_EQ(azar.sorteos, 1 + 4);

    // Against a pair: the As chooser, then one low-card call.
    azar.sorteos = 0;
    mano(arriba, {caballo(copas), rey(copas)});
    mano(izquierda, {siete(copas), as_de(oros)});
    azar.dara(2, 3); // copas' As is allowed by 1: this draw does not matter here
    salida(m, izquierda);
    EXPECT_EQ(jugada(izquierda), siete(copas));
    EXPECT_EQ(azar.sorteos, 1);
}
