// SPDX-License-Identifier: GPL-3.0-or-later
// The tute check of one seat on a hand already read (its set of cards).
#pragma once

#include "core/table.h"

namespace quimbel {

// tute_derecha ...: declares the seat's tute, of Caballos before Reyes, when
// its hand holds one. Whether it declared.
bool tute_con(Mesa& m, int asiento, Conjunto mano);

} // namespace quimbel
