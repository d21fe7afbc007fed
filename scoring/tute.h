// The tute check of one seat on a hand already read (see core/hand_mask.h).
#pragma once

#include "core/hand_mask.h"

namespace quimbel {

void tute_con(Mesa& m, int asiento, ManoBits mano);

} // namespace quimbel
