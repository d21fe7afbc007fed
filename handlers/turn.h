// SPDX-License-Identifier: GPL-3.0-or-later
// The first half of a trick: the computer seats that come before the human.
#pragma once

#include "core/table.h"

namespace quimbel {

void jugando_Click(Mesa& m);
void habilitar_mis_cartas(Mesa& m);
// A computer seat that follows: its chain chooses, then the card goes down.
void seguir_y_echar(Mesa& m, Asiento asiento);
// Count the suit led in this trick among the deal's leads.
void contar_salida(Mesa& m);
void Command2_Click(Mesa& m);

} // namespace quimbel
