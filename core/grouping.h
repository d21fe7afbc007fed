// SPDX-License-Identifier: GPL-3.0-or-later
// The human's hand grouped by suit, oros first, keeping the deal order inside
// a suit.
#pragma once

#include "core/table.h"

namespace quimbel {

void ordenamelas_Click(Mesa& m);

} // namespace quimbel
