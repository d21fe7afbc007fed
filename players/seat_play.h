// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer seat puts a card on the table, and the four card choosers
// from which every decision chain is built (players/chain.h runs them). A
// chooser gives the cards of the seat's hand it looks for; of those, the
// first in slot order is played.
//
// The choosers are small and run many times a trick, so they live here,
// inline, where each chain can fold them into its own code.
#pragma once

#include "core/pauses.h"
#include "core/table.h"

namespace quimbel {

// echar_carta_derecha/_arriba/_izquierda: put the seat's card in `ranura`
// on the table, after the short pause.
void echar_carta(Mesa& m, int asiento, int ranura);
// anotar_palo_<seat>: clear `ranura` from the seat's suit arrays and write
// its suit on the trick table. The last step of echar_carta.
void anotar_palo(Mesa& m, int asiento, int ranura);

// Whether the running chain has put a card down.
inline bool elegida(const Mesa& m) {
    return m.carta_elegida == SiNo::si;
}

// Put down the seat's first card, in slot order, among `buscadas`, and set
// carta_elegida; nothing when it holds none of them.
inline void jugar_primera_de(Mesa& m, int asiento, Conjunto buscadas) {
    const int i = m.en_mano[asiento].primer_hueco(buscadas);
    if (i == 0) return;
    echar_carta(m, asiento, i);
    m.carta_elegida = SiNo::si;
}

// The choosers, named kind_suit_seat in the game (baja_oros_derecha ...):
// each gives the cards of the seat's hand it looks for.

// The Caballo and the Rey, the Tres, the As of the suit.
inline Conjunto caballo_rey(Mesa& m, int palo, int asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    return m.en_mano[asiento].cartas & caballo_y_rey(palo);
}
inline Conjunto tres(Mesa& m, int palo, int asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    return m.en_mano[asiento].cartas & una_carta(codigo_de(palo, rango_tres));
}
inline Conjunto as(Mesa& m, int palo, int asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    return m.en_mano[asiento].cartas & una_carta(codigo_de(palo, rango_as));
}

// izquierda leads the As of a suit only when its draw names that suit.
inline constexpr int sorteo_del_as_izquierda[por_palo] = {0, 2, 1, 3, 2};

// The low cards (Dos to Sota). The leader looks for the As of the suit
// first, then for its Tres when the suit has been led exactly once before.
inline Conjunto baja(Mesa& m, int palo, int asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    // izquierda draws on every call, leading or not, so that the draws of a
    // deal follow its calls exactly.
    bool as_permitido = true;
    if (asiento == izquierda) as_permitido = sortear(m, 3) == sorteo_del_as_izquierda[palo];
    if (m.quien_sale == asiento) {
        if (const Conjunto su_as = as(m, palo, asiento); as_permitido && su_as != 0) return su_as;
        if (const Conjunto su_tres = tres(m, palo, asiento); m.salidas[palo] == 1 && su_tres != 0)
            return su_tres;
    }
    return m.en_mano[asiento].cartas & cartas_entre(palo, rango_dos, rango_sota);
}

// echar_as_<seat>: the first As in the hand, of any suit.
inline void echar_as(Mesa& m, int asiento) {
    assert(es_maquina(asiento));
    m.carta_elegida = SiNo::no;
    jugar_primera_de(m, asiento, los_cuatro(rango_as));
}

} // namespace quimbel
