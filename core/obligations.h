// SPDX-License-Identifier: GPL-3.0-or-later
// What the human may play to a trick a computer seat has led: follow suit and
// beat the table when he can (unless the trick is trumped); without the suit,
// trump, and over-trump when he can. No exception when his partner is winning.
#pragma once

#include <string_view>

#include "core/table.h"

namespace quimbel {

// revisar_jugada: the message that refuses the human's card `codigo` on the
// trick as it stands, or an empty text when he may play it. It looks only at
// the table and his hand, so a caller may ask about any card he holds.
std::string_view revisar_jugada(const Mesa& m, int codigo);

} // namespace quimbel
