// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the table's records of one fact agree with each other, as the
// table's own consistency check: each card in a hand is the card of the slot
// its set names, no card is in two places, a card put on the table is in its
// centre image and in its row of the trick table. The controls assert it after every
// handler in a Debug build, so a routine that writes one record and not the other is caught at the
// command that did it.
#pragma once

#include "core/table.h"

namespace quimbel {

// What disagrees, or nullptr when every record agrees.
const char* desacuerdo_en_mesa(const Mesa& m);

// In a Debug build, says what disagrees and aborts, like a failed assert;
// in a Release build, nothing.
void afirmar_mesa_en_orden(const Mesa& m, const char* despues_de);

} // namespace quimbel
