// SPDX-License-Identifier: GPL-3.0-or-later
// A computer seat leads: into the other team's pair of Caballo and Rey when it
// sees one, otherwise "Salir x MALA" from a random first suit. Each routine
// gives the slot of the card to lead, 0 when it finds none.
#pragma once

#include "core/random_source.h"
#include "core/table.h"

namespace quimbel {

// The lead and the branch that chose it: the suit of the pair led into
// ("CANTAN A OROS" ...), or 0 for "Salir x MALA".
struct Salida {
    int ranura = 0;
    int contra_palo = 0;
};

Salida salida(const Mesa& m, FuenteAzar& azar, Asiento asiento); // salida_derecha ...
// contra_cante_oros_derecha ...
int contra_cante(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento);
int salir_mala(const Mesa& m, FuenteAzar& azar, Asiento asiento); // salir_mala_derecha ...

} // namespace quimbel
