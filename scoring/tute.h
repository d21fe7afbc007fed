// SPDX-License-Identifier: GPL-3.0-or-later
// The tute check of one seat on a hand already read (see core/hand_mask.h).
#pragma once

#include "core/hand_mask.h"

namespace quimbel {

// tute_derecha ...: declares the seat's tute, of Caballos before Reyes, when
// its hand holds one. Whether it declared.
bool tute_con(Mesa& m, int asiento, ManoBits mano);

} // namespace quimbel
