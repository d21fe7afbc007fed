// SPDX-License-Identifier: GPL-3.0-or-later
// What everyone at the table has seen put down in this deal: each card, in
// order, with its seat and the hand slot it left (a computer seat's back goes
// from that slot, so the slot is as public as the card). A player remembers
// the tricks collected; this is that memory. The game itself never reads it.
#pragma once

#include "core/cards.h"

namespace quimbel {

struct Jugada {
    unsigned char asiento = 0;
    unsigned char codigo = 0;
    unsigned char hueco = 0; // the hand slot 1..10 the card left
};

struct RegistroPublico {
    Jugada jugadas[num_cartas] = {};
    int cuantas = 0;

    void anotar(int asiento, int codigo, int hueco) {
        if (cuantas < num_cartas)
            jugadas[cuantas++] =
                Jugada{static_cast<unsigned char>(asiento), static_cast<unsigned char>(codigo),
                       static_cast<unsigned char>(hueco)};
    }
};

} // namespace quimbel
