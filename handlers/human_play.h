// SPDX-License-Identifier: GPL-3.0-or-later
// The human's click on a card: checked against the obligations, then played,
// and the computer seats after him follow.
#pragma once

#include "core/table.h"

namespace quimbel {

// The click on yo(ranura), a card in his hand (see pulsar_carta).
void yo_Click(Mesa& m, int ranura);

} // namespace quimbel
