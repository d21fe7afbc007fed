// SPDX-License-Identifier: GPL-3.0-or-later
// Who holds the best card of the trick on the table: the highest trump, else
// the highest card of the suit led. A question about the table, asked at the
// collection and by the computer seats while the trick is in play.
#pragma once

#include "core/table.h"

namespace quimbel {

// The seat that holds the best card, and its team; seat 0 and no team when
// the table shows neither the evaluated suit nor the suit led.
struct Ganador {
    int asiento = 0;
    Equipo equipo = Equipo::ninguno;
    bool operator==(const Ganador&) const = default;
};

// With the trump card's suit as the evaluated suit: the trick's winner at the
// collection, with four cards down, or who is winning it so far.
Ganador ganador_baza(const Mesa& m);
// baza_a_oros ... baza_a_bastos: the highest card of `palo` on the table;
// when none is down, the highest card of the suit led.
Ganador baza_a(const Mesa& m, Palo palo);

} // namespace quimbel
