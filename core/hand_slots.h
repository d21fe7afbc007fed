// SPDX-License-Identifier: GPL-3.0-or-later
// A card into a seat's hand slot, or out of it, with every picture of a hand
// kept in step: the face image (picture, Tag, visible), a computer seat's
// back, the four suit arrays with the seat's set of cards (en_mano), and the
// slot's suit number. Whoever lays a hand by hand (a world of the hint, a
// test) goes through these two.
#pragma once

#include "core/table.h"

namespace quimbel {

// The slot holds `codigo`, face shown (and back, for a computer seat).
void colocar_carta(Mesa& m, int asiento, int hueco, int codigo);
// The slot's card has been played: face and back hidden, gone from the suit
// arrays; the image keeps its picture and Tag, as after a real play.
void retirar_carta(Mesa& m, int asiento, int hueco);

} // namespace quimbel
