// SPDX-License-Identifier: GPL-3.0-or-later
// How a computer seat puts a card on the table, and the four card choosers
// from which every decision chain is built. A chooser that plays sets
// carta_elegida to "si"; a chain tries its choosers in order until one does.
#pragma once

#include "core/table.h"

namespace quimbel {

// echar_carta_derecha/_arriba/_izquierda: put the seat's card in `ranura`
// on the table, after the short pause.
void echar_carta(Mesa& m, int asiento, int ranura);
// anotar_palo_<seat>: clear `ranura` from the seat's suit arrays and write
// its suit on the trick table.
void anotar_palo(Mesa& m, int asiento, int ranura);

// The choosers, named kind_suit_seat in the game (baja_oros_derecha ...).
void baja(Mesa& m, int palo, int asiento);        // a low card (leader: As, Tres first)
void caballo_rey(Mesa& m, int palo, int asiento); // the Caballo or the Rey
void tres(Mesa& m, int palo, int asiento);        // the Tres
void as(Mesa& m, int palo, int asiento);          // the As
// echar_as_<seat>: the first As in the hand, of any suit.
void echar_as(Mesa& m, int asiento);

// What every chooser comes down to: put down the seat's first card, in slot
// order, among `buscadas`, and set carta_elegida; nothing when it holds none.
void jugar_primera_de(Mesa& m, int asiento, Conjunto buscadas);

} // namespace quimbel
