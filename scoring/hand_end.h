// SPDX-License-Identifier: GPL-3.0-or-later
// The points of each trick, the end of a deal, the games and the match.
#pragma once

#include "core/table.h"

namespace quimbel {

// The trick just won by the team `gana` is counted: its points, the last
// trick's ten, the winners' declarations, the end of the deal and of the match.
void tantear_baza(Mesa& m, Equipo gana);

} // namespace quimbel
