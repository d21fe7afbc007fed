// SPDX-License-Identifier: GPL-3.0-or-later
// The two pauses of the animated steps, and the random draw, as the routines
// of the table call them.
#pragma once

#include <cassert>

#include "core/platform.h"
#include "core/random_source.h"
#include "core/table.h"

namespace quimbel {

// Before each dealt card and each card a computer seat puts down: 200 ms.
inline void pausa_corta(Mesa& m) {
    if (m.plataforma->espera_pausa_corta) m.plataforma->pausa_corta();
}

// While a declaration or a banner is shown: 5 s, then the beep.
inline void pausa_larga(Mesa& m) {
    m.plataforma->pausa_larga();
    m.plataforma->pitido();
}

// Reseed from the clock, then the integer part of (r * k + 1): a number 1..k.
inline int sortear(Mesa& m, int k) {
    assert(k >= 1);
    return sortear(*m.azar, k);
}

} // namespace quimbel
