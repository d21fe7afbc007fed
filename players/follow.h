// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat follows a trick another seat has led.
#pragma once

#include "core/table.h"

namespace quimbel {

void seguir(Mesa& m, int asiento); // seguir_derecha, seguir_arriba, seguir_izquierda
// hay_fallo and quien_falla: the last seat that has trumped a trick led in
// another suit, 0 when none has.
int mirar_fallo(const Mesa& m);

// Per led suit and seat (seguir_palo_oros_derecha ...).
void seguir_palo(Mesa& m, int palo, int asiento);
void seguir_barato(Mesa& m, int palo, int asiento);
void seguir_cargando(Mesa& m, int palo, int asiento);

} // namespace quimbel
