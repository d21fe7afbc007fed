// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat that holds no card of the led suit. Each routine gives the
// slot of the card to play, 0 when it finds none.
#pragma once

#include "core/random_source.h"
#include "core/table.h"

namespace quimbel {

int fallar(const Mesa& m, FuenteAzar& azar, int triunfo,
           int asiento); // fallar_copas_derecha ...: the trick is trumped
int sin_palo(const Mesa& m, FuenteAzar& azar, int palo,
             int asiento); // sin_palo_oros_derecha ...: no trump down
int triunfar(const Mesa& m, FuenteAzar& azar, int triunfo,
             int asiento);                                   // triunfar_copas_derecha ...
int cargar(const Mesa& m, FuenteAzar& azar, int asiento);    // throw the most valuable card
int descartar(const Mesa& m, FuenteAzar& azar, int asiento); // throw the cheapest card

} // namespace quimbel
