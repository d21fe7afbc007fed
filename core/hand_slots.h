// SPDX-License-Identifier: GPL-3.0-or-later
// A card into a seat's hand slot, or out of it: the slot's card and the
// seat's set of cards kept in step. Whoever lays a hand by hand (a world of
// the hint, a test) goes through these two.
#pragma once

#include "core/table.h"

namespace quimbel {

// The slot holds `codigo`, in hand; the card leaves any hand it was in.
void colocar_carta(Mesa& m, int asiento, int hueco, int codigo);
// The slot's card has been played: gone from the hand; the slot keeps the
// card, as after a real play.
void retirar_carta(Mesa& m, int asiento, int hueco);

} // namespace quimbel
