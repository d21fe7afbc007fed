// SPDX-License-Identifier: GPL-3.0-or-later
// How the human's later cards are played in the searches' play-outs. The
// first accepted card (the bench's policy) plays away his best cards for
// nothing and so misjudges the card being chosen; a plain player's rule of
// thumb judges it better.
#pragma once

#include "core/table.h"

namespace quimbel::consejo {

// The card (its code) a plain player puts down from those the obligations
// accept: leading, an As of a plain suit, else his cheapest plain card;
// following, when his partner holds the trick and he plays last, his dearest
// plain card on it; when the other team holds it, the cheapest card that
// takes it; otherwise his cheapest card. 0 when he may play nothing.
int carta_sensata(const Mesa& m);

} // namespace quimbel::consejo
