// SPDX-License-Identifier: GPL-3.0-or-later
// The only way in from a user: a press of a button or a click on one of the
// human's cards. A control that is hidden or disabled does nothing, so no
// handler can run out of turn, whoever calls.
#pragma once

#include "core/table.h"

namespace quimbel {

enum class Control { barajar, ordenamelas, jugando, recoger, Command2 };
inline constexpr int num_controles = 5;

// Whether the control can act now: shown and enabled in the picture.
bool puede(const Mesa& m, Control c);
// Whether yo(ranura) can be clicked: a card in his hand, at his turn.
bool puede_carta(const Mesa& m, int ranura);
// Run the button's handler; false (and nothing ran) when it cannot act.
bool pulsar(Mesa& m, Control c);
// Run yo_Click(ranura); false when yo(ranura) is hidden or disabled, or
// there is no such slot.
bool pulsar_carta(Mesa& m, int ranura);

} // namespace quimbel
