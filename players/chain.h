// SPDX-License-Identifier: GPL-3.0-or-later
// A decision chain is an ordered list of choosers tried until one finds a
// card. Each chooser names the cards of the seat's hand it looks for (an empty
// set when the seat holds none); the chain gives the slot of the first of
// them in slot order, or 0 when no chooser finds any, and the caller tries
// what comes next.
//
// A chain is written as the list of its choosers, in order:
//     probar<as, tres, caballo_rey, baja>(m, azar, palo, asiento);
// The list is a template argument so that the compiler sees every chooser of
// the chain and folds the chain into one piece of code.
#pragma once

#include <cstddef>

#include "core/table.h"
#include "players/seat_play.h"

namespace quimbel {

// Every chooser and sub-chooser has this shape: suit, then seat (1..3); what
// it gives is the set of cards it would play from.
using Elector = Conjunto (*)(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento);

// The cards of the first chooser of the list that finds any, trying them in
// order on one suit; empty when none does.
template <Elector elegir, Elector... siguientes>
inline Conjunto primeras_halladas(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    const Conjunto cartas = elegir(m, azar, palo, asiento);
    assert((cartas & ~(m.en_mano[asiento].cartas & cartas_del_palo(palo))) == 0);
    if constexpr (sizeof...(siguientes) > 0)
        if (cartas == 0) return primeras_halladas<siguientes...>(m, azar, palo, asiento);
    return cartas;
}

// 1 for the low-card chooser, the one that draws (for izquierda), else 0.
template <Elector elegir> inline constexpr int es_baja = 0;
template <> inline constexpr int es_baja<baja> = 1;

// The chain on one suit: the slot of the card its first chooser that finds
// any would play, 0 when none does.
//
// Every chooser looks only among the seat's cards of the suit it is given, so
// a seat without the suit finds nothing whatever the chain. Running the chain
// then leaves only izquierda's draws, one for each `baja` in it; they are made
// without walking the rest (a third of the follows are to a suit the seat
// lacks, and the leads and discards try suit after suit).
template <Elector... cadena>
inline int probar(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    if (!m.en_mano[asiento].alguna(cartas_del_palo(palo))) {
        constexpr int bajas = (0 + ... + es_baja<cadena>);
        for (int n = 0; n < bajas; ++n) as_permitido(azar, palo, asiento);
        return 0;
    }
    return primera_de(m, asiento, primeras_halladas<cadena...>(m, azar, palo, asiento));
}

// Each kind of the chain over every suit of `palos` (the kind in the outer
// loop, the suits in the given order inside), until one finds a card.
template <Elector elegir, Elector... siguientes, std::size_t P>
inline int probar_por_palos(const Mesa& m, FuenteAzar& azar, const int (&palos)[P],
                            Asiento asiento) {
    for (int palo : palos)
        if (const int ranura = probar<elegir>(m, azar, Palo{palo}, asiento)) return ranura;
    if constexpr (sizeof...(siguientes) > 0)
        return probar_por_palos<siguientes...>(m, azar, palos, asiento);
    else
        return 0;
}

// The seat's opponents are the seats of the other team.
inline bool es_contrario(Asiento asiento, int otro) {
    return equipo_de(otro) != equipo_de(asiento);
}

} // namespace quimbel
