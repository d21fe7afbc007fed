// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer seat puts a card on the table, and the four card choosers
// from which every decision chain is built (players/chain.h runs them). A
// chooser gives the cards of the seat's hand it looks for; of those, the
// first in slot order is played.
//
// Choosing never writes the table: a chooser reads it and, for izquierda's
// low cards, draws from the random source it is given. Putting the chosen
// card down is echar_carta's alone.
//
// The choosers are small and run many times a trick, so they live here,
// inline, where each chain can fold them into its own code.
#pragma once

#include "core/pauses.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "core/table.h"

namespace quimbel {

// echar_carta_derecha/_arriba/_izquierda: put the seat's card in `ranura`
// on the table, after the short pause. Inline: thirty cards a deal go down
// through it.
inline void echar_carta(Mesa& m, Asiento asiento, int ranura) {
    assert(es_maquina(asiento) && es_ranura(ranura) && m.en_mano_en(asiento, ranura));
    pausa_corta(m);
    const int codigo = m.en_hueco[asiento][ranura];
    m.en_mano.quitar(asiento, codigo);
    m.en_baza[asiento] = static_cast<unsigned char>(codigo);
    m.en_mesa[asiento] = true;
    m.registro.anotar(asiento, codigo, ranura);
    // The card is on the table: the notice comes last, when all of it is written.
    m.plataforma->carta_puesta(asiento, codigo);
}

// The slot of the seat's first card, in slot order, among `buscadas`; 0 when
// it holds none of them.
inline int primera_de(const Mesa& m, Asiento asiento, Conjunto buscadas) {
    return m.en_mano[asiento].primer_hueco(buscadas);
}

// The choosers, named kind_suit_seat in the game (baja_oros_derecha ...):
// each gives the cards of the seat's hand it looks for.

// The Caballo and the Rey, the Tres, the As of the suit.
inline Conjunto caballo_rey(const Mesa& m, FuenteAzar&, Palo palo, Asiento asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    return m.en_mano[asiento].cartas & caballo_y_rey(palo);
}
inline Conjunto tres(const Mesa& m, FuenteAzar&, Palo palo, Asiento asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    return m.en_mano[asiento].cartas & cartas_entre(palo, rango_tres, rango_tres);
}
inline Conjunto as(const Mesa& m, FuenteAzar&, Palo palo, Asiento asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    return m.en_mano[asiento].cartas & cartas_entre(palo, rango_as, rango_as);
}

// izquierda leads the As of a suit only when its draw names that suit.
inline constexpr int sorteo_del_as_izquierda[por_palo] = {0, 2, 1, 3, 2};

// Whether the seat may lead the As of `palo`: izquierda draws for it on every
// call of `baja`, leading or not, so that the draws of a deal follow its
// calls exactly; the other seats always may.
inline bool as_permitido(FuenteAzar& azar, Palo palo, Asiento asiento) {
    return asiento != izquierda || sortear(azar, 3) == sorteo_del_as_izquierda[palo];
}

// The low cards (Dos to Sota). The leader looks for the As of the suit
// first, then for its Tres when the suit has been led exactly once before.
[[gnu::always_inline]] inline Conjunto baja(const Mesa& m, FuenteAzar& azar, Palo palo,
                                            Asiento asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    const bool puede_el_as = as_permitido(azar, palo, asiento);
    if (m.quien_sale == asiento) {
        if (const Conjunto su_as = as(m, azar, palo, asiento); puede_el_as && su_as != 0)
            return su_as;
        if (const Conjunto su_tres = tres(m, azar, palo, asiento);
            m.salidas[palo] == 1 && su_tres != 0)
            return su_tres;
    }
    return m.en_mano[asiento].cartas & cartas_entre(palo, rango_dos, rango_sota);
}

// echar_as_<seat>: the first As in the hand, of any suit.
inline int echar_as(const Mesa& m, Asiento asiento) {
    assert(es_maquina(asiento));
    return primera_de(m, asiento, los_cuatro(rango_as));
}

} // namespace quimbel
