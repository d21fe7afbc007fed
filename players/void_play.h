// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat that holds no card of the led suit.
#pragma once

#include "core/table.h"

namespace quimbel {

void fallar(Mesa& m, int triunfo, int asiento);   // fallar_copas_derecha ...: the trick is trumped
void sin_palo(Mesa& m, int palo, int asiento);    // sin_palo_oros_derecha ...: no trump down
void triunfar(Mesa& m, int triunfo, int asiento); // triunfar_copas_derecha ...
void cargar(Mesa& m, int asiento);                // throw the most valuable card
void descartar(Mesa& m, int asiento);             // throw the cheapest card

} // namespace quimbel
