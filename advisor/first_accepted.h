// SPDX-License-Identifier: GPL-3.0-or-later
// The simplest honest policy for the human's seat: click the cards in slot
// order until one is accepted (it leaves the hand). The refused clicks go
// through the same handler and its message box, as a person's would. The
// bench plays it, and the hint plays it for the human's later cards.
#pragma once

#include "core/controls.h"
#include "core/table.h"

namespace quimbel {

// The slot played, 0 when no card could be played.
inline int jugar_primera_aceptada(Mesa& m) {
    for (int i = 1; i <= 10; ++i) {
        if (!m.manos[yo][i].visible) continue;
        if (pulsar_carta(m, i) && !m.manos[yo][i].visible) return i;
    }
    return 0;
}

} // namespace quimbel
