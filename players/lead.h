// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat leads: into the other team's pair of Caballo and Rey when it
// sees one, otherwise "Salir x MALA" from a random first suit.
#pragma once

#include "core/table.h"

namespace quimbel {

void salida(Mesa& m, int asiento);                 // salida_derecha ...
void contra_cante(Mesa& m, int palo, int asiento); // contra_cante_oros_derecha ...
void salir_mala(Mesa& m, int asiento);             // salir_mala_derecha ...

} // namespace quimbel
