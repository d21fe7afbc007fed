// SPDX-License-Identifier: GPL-3.0-or-later
// The rest of a deal played out in a world, and what its end is worth to our
// team: the chance of winning the match from the games it leaves.
#pragma once

#include <cstdint>

#include "advisor/world_table.h"
#include "core/table.h"

namespace quimbel::consejo {

// Press on until the deal is over (only barajar can act): collect, start the
// next trick, the human playing his first accepted card (his other cards are
// not clicked: the obligations name the accepted ones at once), or with
// `sensata` the card of advisor/rollout_policy.h.
void jugar_hasta_el_final(Mesa& m, bool sensata = false);

// Press on until the human is to play (true) or the deal is over (false).
bool jugar_hasta_su_turno(Mesa& m);

// The human's image slot that holds `codigo`, or 0.
int hueco_de(const Mesa& m, int codigo);

// The human's card in `hueco` played in a world at his turn and the deal
// played out, the game's draws from `semilla`: what the end is worth.
double jugar_y_valorar(const Mesa& mundo, int hueco, std::uint64_t semilla, bool sensata);

// Our team's chance of winning the match at the start of a deal, with these
// games, when each deal is an even game between the teams.
double chance_de_partida(int juegos_nosotros, int juegos_ellos);

// A deal played out: the match's chance from the games it left (1 or 0 when
// it ended the match), and a touch of the point margin to break ties.
double valor_del_final(const Mesa& m, const PlataformaMundo& plataforma);

} // namespace quimbel::consejo
