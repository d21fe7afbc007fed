// SPDX-License-Identifier: GPL-3.0-or-later
// Who holds the best card of the trick on the table: the highest trump, else
// the highest card of the suit led. Every evaluation writes gana_baza and
// equipo_gana.
#pragma once

#include "core/table.h"

namespace quimbel {

// At the collection, four cards down: clears gana_baza and equipo_gana first.
void decidir_baza(Mesa& m);
// During a trick, one to three cards down: clears equipo_gana only.
void mirar_baza(Mesa& m);
// baza_a_oros ... baza_a_bastos: evaluate with `palo` as the evaluated suit;
// when no card of it is down, evaluate again with the suit led.
void baza_a(Mesa& m, int palo);
void baza_al_palo_salida(Mesa& m);
// gana_entre_1234 ... gana_entre_4: the highest rank order among the seats
// whose bit (1 << seat) is set in `asientos`.
void gana_entre(Mesa& m, unsigned asientos);

} // namespace quimbel
