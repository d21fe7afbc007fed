// SPDX-License-Identifier: GPL-3.0-or-later
// The collection of a finished trick.
#pragma once

#include "core/table.h"

namespace quimbel {

void recoger_Click(Mesa& m);

} // namespace quimbel
