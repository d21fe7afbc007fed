// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer seat puts a card down, and the four choosers: slot order,
// the leader's As and Tres, and izquierda's draws.
#include <gtest/gtest.h>

#include "core/cards.h"
#include "players/chain.h"
#include "players/lead.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

using Elegir = MesaDeJugadores;

TEST_F(Elegir, EcharCartaShowsTheCardOnTheTableOnlyAfterThePause) {
    mano(derecha, {cuatro(oros), caballo(copas), as_de(espadas)});
    bool visible_en_la_pausa = true;
    plataforma.durante_pausa_corta = [&] { visible_en_la_pausa = m.en_mesa[derecha]; };
    echar_carta(m, Asiento{derecha}, 2);
    EXPECT_FALSE(visible_en_la_pausa);
    // The trick table holds copas, the Caballo's rank and its code; the
    // notice names the card.
    EXPECT_EQ(m.palo_en(derecha), copas);
    EXPECT_EQ(m.valor_en(derecha), rango_caballo);
    EXPECT_EQ(m.en_baza[derecha], caballo(copas));
    ASSERT_EQ(plataforma.puestas.size(), 1u);
    EXPECT_EQ(plataforma.puestas[0].codigo, caballo(copas));
}

TEST_F(Elegir, ChoosersTakeTheFirstMatchingSlotNotTheBestCard) {
    m.quien_sale = yo;
    mano(derecha, {rey(copas), caballo(copas), sota(oros), as_de(copas), cuatro(bastos),
                   tres_de(copas), dos(oros)});
    EXPECT_EQ(echa_ranura(derecha, probar<baja>(m, azar, Palo{oros}, Asiento{derecha})),
              sota(oros));
    EXPECT_EQ(echa_ranura(derecha, probar<caballo_rey>(m, azar, Palo{copas}, Asiento{derecha})),
              rey(copas));
    EXPECT_EQ(echa_ranura(derecha, probar<caballo_rey>(m, azar, Palo{copas}, Asiento{derecha})),
              caballo(copas));
    EXPECT_EQ((probar<tres, as>(m, azar, Palo{oros}, Asiento{derecha})), 0)
        << "no card of the kind";

    // A follower plays a low card even holding the As and the Tres of a suit
    // led once: those are the leader's.
    mano(arriba, {as_de(copas), tres_de(copas), siete(copas)});
    m.salidas[copas] = 1;
    EXPECT_EQ(echa_ranura(arriba, probar<baja>(m, azar, Palo{copas}, Asiento{arriba})),
              siete(copas));

    mano(arriba, {rey(oros), as_de(bastos), cuatro(copas), tres_de(oros), as_de(oros)});
    EXPECT_EQ(echa_ranura(arriba, echar_as(m, Asiento{arriba})), as_de(bastos))
        << "the first As, whatever its suit";
    EXPECT_EQ(echa_ranura(arriba, echar_as(m, Asiento{arriba})), as_de(oros));
}

// Only izquierda draws, on every low-card call, holding the suit or not; the
// scripted traces cannot see that each draw comes after a reseed.
TEST_F(Elegir, IzquierdaDrawsOnEveryLowCardCallEachAfterAReseed) {
    mano(derecha, {cuatro(oros)});
    mano(izquierda, {cuatro(copas)});
    probar<baja>(m, azar, Palo{oros}, Asiento{derecha});
    probar<baja>(m, azar, Palo{espadas}, Asiento{izquierda});
    EXPECT_EQ(azar.sorteos, 1);
    EXPECT_EQ(azar.resiembras, 1);
}
