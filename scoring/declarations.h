// SPDX-License-Identifier: GPL-3.0-or-later
// The declarations of 20, 40 and tute, made automatically for both seats of
// the team that has just won a trick.
#pragma once

#include "core/table.h"

namespace quimbel {

void cantes_ellos(Mesa& m);    // derecha, then izquierda
void cantes_nosotros(Mesa& m); // arriba, then yo

} // namespace quimbel
