// The human's hand grouped by suit, oros first, keeping the deal order inside
// a suit.
#pragma once

#include "core/table.h"

namespace quimbel {

void ordenamelas_Click(Mesa& m);
// In: sorteo = a code of the suit of pass paso_palo. Out: encontrado = the
// picture index of that card in naipes, sorteo = its rank order.
void agrupar_palo(Mesa& m);

} // namespace quimbel
