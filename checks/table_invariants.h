// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold on the table after every command, whatever the user did.
// Each check returns what is wrong, or an empty string.
#pragma once

#include <string>

#include "core/table.h"

namespace quimbel::revision {

// Every card code 1..40 is in exactly one place: a visible hand image, a
// shown centre image of the current trick, or collected (put on the table in
// this deal and no longer shown). `jugadas` marks the codes put on the table
// since the deal.
std::string revisar_lugares(const Mesa& m, const bool (&jugadas)[por_carta]);

// The table's own records agree (core/table_check.h); every visible face
// shows the card of its Tag; a card back covers only a card in hand, and
// every card of a computer seat is covered unless that seat has declared a
// tute (`destapado`, as the watcher saw it). The trump suit is the suit of
// the trump card.
std::string revisar_manos(const Mesa& m, const bool (&destapado)[por_asiento]);

// The buttons and the human's cards are in one of the states of the turn
// driver: ready to deal, dealt, trick ready, human to play, trick complete.
std::string revisar_botones(const Mesa& m);

} // namespace quimbel::revision
