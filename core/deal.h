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
void barajar_cartas(Mesa& m);
void repartir(Mesa& m);
// dar_carta_derecha ... dar_carta_yo: the card at deck position `posicion`
// into the seat's slot `vuelta`, after the short pause.
void dar_carta(Mesa& m, int asiento, int vuelta, int posicion);

} // namespace quimbel
