// SPDX-License-Identifier: GPL-3.0-or-later
// The points of each trick, the end of a deal, the games and the match.
#pragma once

#include "core/table.h"

namespace quimbel {

void tantear_baza(Mesa& m);

} // namespace quimbel
