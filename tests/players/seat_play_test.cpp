// How a computer seat puts a card down, and the four choosers: slot order,
// the leader's As and Tres, and izquierda's draw on every low-card call.
#include <gtest/gtest.h>

#include "core/cards.h"
#include "players/seat_play.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

using Echar = MesaDeJugadores;
using Elegir = MesaDeJugadores;

} // namespace

TEST_F(Echar, TheCardGoesFromTheHandToTheTableAfterThePause) {
    mano(derecha, {cuatro(oros), caballo(copas), as_de(espadas)});
    bool visible_en_la_pausa = true;
    plataforma.durante_pausa_corta = [&] { visible_en_la_pausa = m.centro[derecha].visible; };

    m.indice = 2;
    echar_carta(m, derecha);

    EXPECT_FALSE(visible_en_la_pausa) << "the card must show only after the short pause";
    EXPECT_EQ(plataforma.pausas_cortas, 1);
    EXPECT_FALSE(m.manos[derecha][2].visible);
    EXPECT_FALSE(m.tapas[derecha][2].visible);
    EXPECT_TRUE(m.manos[derecha][1].visible);
    EXPECT_TRUE(m.centro[derecha].visible);
    EXPECT_EQ(m.centro[derecha].dibujo, naipe_de_codigo(caballo(copas)));
    // palo1, valor1, tag1 read "copas", "7", "17".
    EXPECT_EQ(m.texto_palo(derecha), "copas");
    EXPECT_EQ(m.texto_valor(derecha), "7");
    EXPECT_EQ(m.texto_tag(derecha), "17");
    EXPECT_EQ(m.cartas[derecha][copas][2], 0);
    EXPECT_EQ(m.cartas[derecha][oros][1], cuatro(oros));
    ASSERT_EQ(cartas_puestas(), 1);
    EXPECT_EQ(plataforma.puestas[0].asiento, derecha);
    EXPECT_EQ(plataforma.puestas[0].codigo, caballo(copas));
    // Only the playing seat's place is written.
    for (int k : {arriba, izquierda, yo}) EXPECT_EQ(m.tag[k], 0);
}

TEST_F(Elegir, ChoosersTakeTheFirstMatchingSlotNotTheBestCard) {
    m.quien_sale = yo; // nobody of these leads
    // Low cards of oros in slots 3 (Sota) and 7 (Dos): slot 3 goes.
    mano(derecha, {rey(copas), caballo(copas), sota(oros), as_de(copas), cuatro(bastos),
                   tres_de(copas), dos(oros)});
    baja(m, oros, derecha);
    EXPECT_EQ(jugada(derecha), sota(oros));
    EXPECT_EQ(m.carta_elegida, SiNo::si);

    // Rey in slot 1 before the Caballo in slot 2.
    caballo_rey(m, copas, derecha);
    EXPECT_EQ(jugada(derecha), rey(copas));
    caballo_rey(m, copas, derecha);
    EXPECT_EQ(jugada(derecha), caballo(copas));

    // With no card of the kind nothing moves and carta_elegida is left alone
    // by the single-card choosers.
    m.carta_elegida = SiNo::no;
    tres(m, oros, derecha);
    as(m, espadas, derecha);
    EXPECT_EQ(m.carta_elegida, SiNo::no);
    EXPECT_EQ(jugada(derecha), caballo(copas));
    EXPECT_EQ(cartas_puestas(), 3);
}

TEST_F(Elegir, EcharAsTakesTheFirstAsInSlotOrderWhateverItsSuit) {
    mano(arriba, {rey(oros), as_de(bastos), cuatro(copas), tres_de(oros), as_de(oros)});
    echar_as(m, arriba);
    EXPECT_EQ(jugada(arriba), as_de(bastos));
    echar_as(m, arriba);
    EXPECT_EQ(jugada(arriba), as_de(oros));
    echar_as(m, arriba);
    EXPECT_EQ(m.carta_elegida, SiNo::no);
    EXPECT_EQ(cartas_puestas(), 2);
}

TEST_F(Elegir, TheLeaderLeadsTheAsThenTheTresOfASuitLedOnce) {
    mano(derecha, {cuatro(oros), tres_de(oros), as_de(oros)});
    m.quien_sale = derecha;
    baja(m, oros, derecha);
    EXPECT_EQ(jugada(derecha), as_de(oros));

    m.salidas[oros] = 1;
    baja(m, oros, derecha);
    EXPECT_EQ(jugada(derecha), tres_de(oros));

    mano(derecha, {cuatro(oros), tres_de(oros)});
    m.salidas[oros] = 2; // no longer preferred
    baja(m, oros, derecha);
    EXPECT_EQ(jugada(derecha), cuatro(oros));
    m.salidas[oros] = 0;
    baja(m, oros, derecha);
    EXPECT_EQ(m.carta_elegida, SiNo::no) << "only the Tres left, suit never led";
}

TEST_F(Elegir, AFollowerPlaysALowCardEvenHoldingTheAsAndTres) {
    mano(arriba, {as_de(copas), tres_de(copas), siete(copas)});
    m.quien_sale = derecha;
    m.salidas[copas] = 1;
    baja(m, copas, arriba);
    EXPECT_EQ(jugada(arriba), siete(copas));
}

TEST_F(Elegir, IzquierdaDrawsOnEveryLowCardCallAndTheOthersNever) {
    mano(derecha, {cuatro(oros)});
    mano(arriba, {cuatro(copas)});
    baja(m, oros, derecha);
    baja(m, copas, arriba);
    baja(m, espadas, derecha); // plays nothing
    EXPECT_EQ(azar.sorteos, 0);

    mano(izquierda, {cuatro(oros), caballo(copas)});
    m.quien_sale = derecha;
    baja(m, espadas, izquierda); // no card of the suit: still a draw
    baja(m, oros, izquierda);    // plays
    m.quien_sale = izquierda;
    baja(m, copas, izquierda); // leading, no low card
    EXPECT_EQ(azar.sorteos, 3);
    EXPECT_EQ(azar.resiembras, 3) << "every draw is preceded by a reseed";
    // The single-card choosers and echar_as never draw.
    caballo_rey(m, copas, izquierda);
    echar_as(m, izquierda);
    EXPECT_EQ(azar.sorteos, 3);
}

TEST_F(Elegir, IzquierdaLeadsTheAsOnlyWhenItsDrawNamesTheSuit) {
    // The draw that allows the As: oros 2, copas 1, espadas 3, bastos 2.
    const int permite[5] = {0, 2, 1, 3, 2};
    m.quien_sale = izquierda;
    for (int palo = oros; palo <= bastos; ++palo) {
        for (int r = 1; r <= 3; ++r) {
            mano(izquierda, {cinco(palo), as_de(palo)});
            azar.dara(r, 3);
            baja(m, palo, izquierda);
            EXPECT_EQ(m.sorteo, r);
            EXPECT_EQ(jugada(izquierda), r == permite[palo] ? as_de(palo) : cinco(palo))
                << nombre_palo(palo) << " r=" << r;
        }
    }
}
