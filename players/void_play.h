// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat that holds no card of the led suit. Each routine gives the
// slot of the card to play, 0 when it finds none.
#pragma once

#include "core/random_source.h"
#include "core/table.h"

namespace quimbel {

// fallar_copas_derecha ...: the trick is trumped.
int fallar(const Mesa& m, FuenteAzar& azar, Palo triunfo, Asiento asiento);
// sin_palo_oros_derecha ...: no trump down.
int sin_palo(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento);
// triunfar_copas_derecha ...
int triunfar(const Mesa& m, FuenteAzar& azar, Palo triunfo, Asiento asiento);
// Throw the most valuable card; the cheapest.
int cargar(const Mesa& m, FuenteAzar& azar, Asiento asiento);
int descartar(const Mesa& m, FuenteAzar& azar, Asiento asiento);

} // namespace quimbel
