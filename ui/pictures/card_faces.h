// SPDX-License-Identifier: GPL-3.0-or-later
// The forty faces of the Spanish deck, drawn at the card's logical size.
#pragma once

#include <QPainter>

namespace quimbel::dibujos {

// The suit (1..4) and the printed number (1..7, 10, 11, 12) of naipes(p).
int palo_del_naipe(int naipe);
int numero_del_naipe(int naipe);

// Draws the face of naipes(p) in the rectangle 0,0 .. tam_carta.
void pintar_carta(QPainter& p, int naipe);

} // namespace quimbel::dibujos
