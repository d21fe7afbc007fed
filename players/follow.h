// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat follows a trick another seat has led.
#pragma once

#include "core/random_source.h"
#include "core/table.h"

namespace quimbel {

// The slot of the card the seat follows with (seguir_derecha, seguir_arriba,
// seguir_izquierda), 0 when its hand is empty.
int seguir(const Mesa& m, FuenteAzar& azar, Asiento asiento);
// hay_fallo and quien_falla: the last seat that has trumped a trick led in
// another suit, 0 when none has.
int mirar_fallo(const Mesa& m);

// Per led suit and seat (seguir_palo_oros_derecha ...).
int seguir_palo(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento);
int seguir_barato(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento);
int seguir_cargando(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento);

} // namespace quimbel
