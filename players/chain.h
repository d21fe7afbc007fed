// SPDX-License-Identifier: GPL-3.0-or-later
// A decision chain is an ordered list of choosers tried until one plays. Each
// chooser names the cards of the seat's hand it looks for (an empty set when
// the seat holds none); the chain plays the first of them in slot order, and
// the carta_elegida flag tells what follows that a card has gone down, so at
// most one card is played per chain.
//
// A chain is written as the list of its choosers, in order:
//     probar<as, tres, caballo_rey, baja>(m, palo, asiento);
// The list is a template argument so that the compiler sees every chooser of
// the chain and folds the chain into one piece of code.
#pragma once

#include <cstddef>

#include "core/table.h"
#include "players/seat_play.h"

namespace quimbel {

// Every chooser and sub-chooser has this shape: suit, then seat (1..3); what
// it gives is the set of cards it would play from.
using Elector = Conjunto (*)(Mesa& m, int palo, int asiento);

// The cards of the first chooser of the list that finds any, trying them in
// order on one suit; empty when none does.
template <Elector elegir, Elector... siguientes>
inline Conjunto primeras_halladas(Mesa& m, int palo, int asiento) {
    const Conjunto cartas = elegir(m, palo, asiento);
    if constexpr (sizeof...(siguientes) > 0)
        if (cartas == 0) return primeras_halladas<siguientes...>(m, palo, asiento);
    return cartas;
}

// Run the chain on one suit: unless a card has already gone down, its first
// chooser that finds a card plays it.
template <Elector... cadena> inline void probar(Mesa& m, int palo, int asiento) {
    if (!elegida(m)) jugar_primera_de(m, asiento, primeras_halladas<cadena...>(m, palo, asiento));
}

// Run each kind of the chain over every suit of `palos` (the kind in the
// outer loop, the suits in the given order inside), until one plays.
template <Elector elegir, Elector... siguientes, std::size_t P>
inline void probar_por_palos(Mesa& m, const int (&palos)[P], int asiento) {
    for (int palo : palos) {
        probar<elegir>(m, palo, asiento);
        if (elegida(m)) return;
    }
    if constexpr (sizeof...(siguientes) > 0) probar_por_palos<siguientes...>(m, palos, asiento);
}

// One chooser alone, as a chain of one: carta_elegida "no", then its card.
template <Elector elegir> inline void elegir_una(Mesa& m, int palo, int asiento) {
    m.carta_elegida = SiNo::no;
    probar<elegir>(m, palo, asiento);
}

// The seat's opponents are the seats of the other team.
inline bool es_contrario(int asiento, int otro) {
    return equipo_de(otro) != equipo_de(asiento);
}

} // namespace quimbel
