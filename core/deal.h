// SPDX-License-Identifier: GPL-3.0-or-later
// The window's load, and a deal: the first leader moves on, the deck is
// shuffled, ten cards go to each seat one by one, the dealer's last card is
// turned up as trump and the leader is named on `jugando`.
#pragma once

#include "core/table.h"

namespace quimbel {

void Form_Load(Mesa& m);
void barajar_Click(Mesa& m);

void ocultar_manos(Mesa& m);
// The deck, shuffled: deck positions 1..40 hold picture indexes of the faces.
void barajar_cartas(Mesa& m, int (&baraja)[por_carta]);
void repartir(Mesa& m, const int (&baraja)[por_carta]);
// dar_carta_derecha ... dar_carta_yo: the card `codigo` into the seat's slot
// `vuelta`, after the short pause.
void dar_carta(Mesa& m, Asiento asiento, int vuelta, int codigo);

} // namespace quimbel
