// The follow of a computer seat: who has trumped decides the chain, and each
// chain tries its choosers in its own order.
#include <gtest/gtest.h>

#include "players/follow.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

using Seguir = MesaDeJugadores;

} // namespace

// The follow-suit chain, link by link: As; Tres if its As cannot come; low
// 2..6 beating the table; Caballo/Rey beating it; Tres if no opponent's As is
// down; low; Caballo/Rey; Tres.
TEST_F(Seguir, TheFollowChainPlaysInItsOrder) {
    pinta(bastos);
    sale(yo, sota(copas)); // rank 6

    mano(derecha, {siete(copas), caballo(copas), as_de(copas)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), as_de(copas)) << "the As before anything";

    mano(derecha, {siete(copas), caballo(copas)});
    retirar(derecha);
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), caballo(copas)) << "the Siete does not beat the Sota";

    // The As of copas is nowhere: the Tres is safe and goes before a low
    // card that beats the table.
    limpiar_mesa(m);
    sale(yo, siete(copas)); // rank 5
    echa(arriba, cinco(copas));
    mano(derecha, {cuatro(copas), sota(copas), tres_de(copas)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), tres_de(copas));

    // With the As in the partner's hand the Tres is not safe: the first low
    // card that beats the table goes, not the first low card.
    mano(izquierda, {as_de(copas)});
    mano(derecha, {cuatro(copas), sota(copas), tres_de(copas)});
    retirar(derecha);
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), sota(copas));

    // Nothing beats the table: the Tres, as no opponent's As is down; the
    // Dos is never a winning low card.
    mano(derecha, {dos(copas), tres_de(copas)});
    retirar(derecha);
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), tres_de(copas));
    EXPECT_EQ(m.carta_elegida, SiNo::si);
}

TEST_F(Seguir, TheTableIsReadByRankWhateverTheSuit) {
    // Trump espadas. arriba leads the Cuatro of oros, izquierda follows with
    // the Cinco, yo discards the As of copas. For oros any As on the table
    // counts, so neither Tres chooser plays, and yo's "10" beats every low card.
    pinta(espadas);
    sale(arriba, cuatro(oros));
    echa(izquierda, cinco(oros));
    echa(yo, as_de(copas));
    mano(derecha, {tres_de(oros), seis(oros)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), seis(oros));

    // For copas only the As of copas itself stops the Tres.
    limpiar_mesa(m);
    sale(arriba, cuatro(copas));
    echa(yo, as_de(oros));
    mano(izquierda, {});
    mano(derecha, {seis(copas), tres_de(copas)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), tres_de(copas));
}

TEST_F(Seguir, TheHumansObligationsAreNotConsulted) {
    // A human holding the Tres would have to beat the Seis with it; the
    // computer, seeing an As on the table, keeps its Tres and plays the Dos.
    pinta(espadas);
    sale(arriba, seis(oros));
    echa(izquierda, cinco(oros));
    echa(yo, as_de(copas));
    mano(derecha, {tres_de(oros), dos(oros)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), dos(oros));

    // A partner's trick is not spared: with no trump down, a void seat trumps
    // even over its partner's As.
    limpiar_mesa(m);
    sale(izquierda, as_de(copas));
    echa(yo, cuatro(copas));
    mano(derecha, {sota(oros), cuatro(espadas)});
    seguir(m, derecha);
    EXPECT_EQ(jugada(derecha), cuatro(espadas));
}

TEST_F(Seguir, AfterAnOpponentTrumpsTheCheapestCardOfTheSuitGoes) {
    pinta(bastos);
    sale(arriba, cuatro(copas));
    echa(izquierda, seis(copas));
    echa(yo, sota(bastos));
    // Order: low, Caballo/Rey, Tres, As.
    mano(derecha, {as_de(copas), tres_de(copas), rey(copas), siete(copas)});
    for (int esperada : {siete(copas), rey(copas), tres_de(copas), as_de(copas)}) {
        seguir(m, derecha);
        EXPECT_EQ(jugada(derecha), esperada);
        retirar(derecha);
    }
}

TEST_F(Seguir, AfterThePartnerTrumpsTheMostValuableCardOfTheSuitGoes) {
    // izquierda leads copas, yo trumps and derecha trumps higher. The seat
    // number decides, not the trump: yo counts as the trumping seat, so arriba,
    // playing last, takes the trick as its partner's and plays the As first.
    pinta(bastos);
    sale(izquierda, cuatro(copas));
    echa(yo, sota(bastos));
    echa(derecha, rey(bastos));
    mano(arriba, {siete(copas), rey(copas), tres_de(copas), as_de(copas)});
    for (int esperada : {as_de(copas), tres_de(copas), rey(copas), siete(copas)}) {
        seguir(m, arriba);
        EXPECT_EQ(jugada(arriba), esperada);
        retirar(arriba);
    }
    EXPECT_EQ(m.quien_falla, yo);
}

TEST_F(Seguir, WhenTrumpsAreLedTheFollowerFollowsTrumpsAsFirst) {
    pinta(oros);
    sale(derecha, siete(oros));
    mano(arriba, {cuatro(oros), as_de(oros), rey(copas)});
    seguir(m, arriba);
    EXPECT_EQ(m.hay_fallo, SiNo::no);
    EXPECT_EQ(jugada(arriba), as_de(oros));
}
