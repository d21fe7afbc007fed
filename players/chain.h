// SPDX-License-Identifier: GPL-3.0-or-later
// A decision chain is an ordered list of choosers tried until one plays. The
// carta_elegida flag tells the chain that a card has gone down: it is tested
// before every step, so at most one card is played per chain.
#pragma once

#include <cstddef>

#include "core/table.h"

namespace quimbel {

// Every chooser and sub-chooser has this shape: suit, then seat (1..3).
using Elector = void (*)(Mesa& m, int palo, int asiento);

inline bool elegida(const Mesa& m) { return m.carta_elegida == SiNo::si; }

// Run the choosers of `cadena` on one suit, in order, until one plays.
template <std::size_t N>
inline void probar(Mesa& m, const Elector (&cadena)[N], int palo, int asiento) {
    for (Elector elegir : cadena) {
        if (elegida(m)) return;
        elegir(m, palo, asiento);
    }
}

// Run each kind of `clases` over every suit of `palos` (the kind in the outer
// loop, the suits in the given order inside), until one plays.
template <std::size_t N, std::size_t P>
inline void probar_por_palos(Mesa& m, const Elector (&clases)[N], const int (&palos)[P],
                             int asiento) {
    for (Elector elegir : clases)
        for (int palo : palos) {
            if (elegida(m)) return;
            elegir(m, palo, asiento);
        }
}

// The seat's opponents are the seats of the other team.
inline bool es_contrario(int asiento, int otro) { return equipo_de(otro) != equipo_de(asiento); }

} // namespace quimbel
