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

// The cards the obligations let the human put down on the trick as it
// stands, as a set over all forty codes: exactly those `revisar_jugada`
// accepts. Intersect with his hand for the cards he may click.
Conjunto cartas_permitidas(const Mesa& m);
// The cards in his hand (his visible cards) that he may play now.
Conjunto cartas_aceptadas(const Mesa& m);

} // namespace quimbel
