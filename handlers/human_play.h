// The human's click on a card: checked against the obligations, then played,
// and the computer seats after him follow.
#pragma once

#include "core/table.h"

namespace quimbel {

void yo_Click(Mesa& m, int index);
void revisar_jugada(Mesa& m);
// revisar_oros_derecha ... revisar_bastos_izquierda: led suit, leader seat 1..3.
void revisar(Mesa& m, int palo_salida, int lider);
void quitar_carta_yo(Mesa& m);

} // namespace quimbel
