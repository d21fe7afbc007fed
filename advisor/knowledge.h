// SPDX-License-Identifier: GPL-3.0-or-later
// What the human knows at his turn, and nothing more: his own hand, the trump
// card (its holder keeps it until it is played), every card put down in this
// deal with its seat and slot, the pairs declared, the scores, the games and
// who leads. The hint reads the table only through this, so it cannot see a
// hidden hand even by mistake.
#pragma once

#include "core/public_record.h"
#include "core/table.h"

namespace quimbel::consejo {

struct Conocimiento {
    int mano_yo[por_ranura] = {}; // the human's image slots as grouped: the card of each, 0 if none
    bool en_mano_yo[por_ranura] = {};        // whether that card is still held
    int pinta = 0;                           // the trump card
    int turno_mano = 0;                      // the deal's first leader; the dealer sits before it
    int quien_sale = 0;                      // the leader of the trick in play
    RegistroPublico registro;                // every card put down in this deal
    int cantado[por_asiento][por_palo] = {}; // the pairs declared: cantado[seat][suit]
    int tanteo_nosotros = 0, tanteo_ellos = 0;
    int juegos_nosotros = 0, juegos_ellos = 0;

    int repartidor() const { return turno_mano == derecha ? yo : turno_mano - 1; }
    int la_pinta() const { return palo_de_codigo(pinta); }
};

// Read from the table what a person at the human's seat sees or remembers.
Conocimiento conocimiento_de(const Mesa& m);

// Whether the human is to play: a card of his is shown and clickable.
bool turno_del_humano(const Mesa& m);

} // namespace quimbel::consejo
