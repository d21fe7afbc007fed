// SPDX-License-Identifier: GPL-3.0-or-later
// Deals played on without a person, through the controls as a user plays
// them, the human's seat taking the first card in slot order that the
// obligations accept. The bench, the tests, and anything that plays a table
// on from a copy of its state start here.
//
// `actuar` is the user's hand: actuar(Control) presses a button and
// actuar(ranura) clicks yo(ranura), each saying whether the control acted.
// Directo acts on the controls themselves; a test may pass a hand that checks
// the table around every command.
#pragma once

#include "core/obligations.h"
#include "handlers/controls.h"

namespace quimbel {

struct Directo {
    Mesa& m;
    bool operator()(Control c) const { return pulsar(m, c); }
    bool operator()(int ranura) const { return pulsar_carta(m, ranura); }
};

// Whether any of the human's cards can be clicked: he is to play.
inline bool le_toca_a_yo(const Mesa& m) {
    return m.juega_yo && m.en_mano[yo].cartas != 0;
}

// The human's policy: the first of his cards in slot order that the rules
// accept, clicked. The slot played, 0 if none could be.
template <class Actuar> int jugar_primera_aceptada(const Mesa& m, Actuar&& actuar) {
    const int i = m.en_mano[yo].primer_hueco(cartas_aceptadas(m));
    return i != 0 && actuar(i) && !m.en_mano_en(yo, i) ? i : 0;
}
inline int jugar_primera_aceptada(Mesa& m) {
    return jugar_primera_aceptada(m, Directo{m});
}

// From anywhere in a deal, the one control the turn driver offers, again and
// again, until barajar can act: after the tenth trick, a tute, or the end of
// the match. Each trick collected adds one to `bazas`. What could not act, or
// nullptr.
template <class Actuar> const char* terminar_reparto(const Mesa& m, Actuar&& actuar, int& bazas) {
    // The turn driver offers one control at a time: the buttons are looked at
    // first, the human's ten cards only when no button can act.
    while (!m.puede_barajar) {
        if (m.puede_recoger) {
            if (!actuar(Control::recoger)) return "recoger could not be pressed";
            ++bazas;
        } else if (m.puede_jugar) {
            if (!actuar(Control::jugando)) return "jugando could not be pressed";
        } else if (m.ofrece_agrupar) {
            if (!actuar(Control::ordenamelas)) return "ordenamelas could not be pressed";
        } else if (le_toca_a_yo(m)) {
            if (!jugar_primera_aceptada(m, actuar)) return "no card of the human was accepted";
        } else {
            return "no control can act";
        }
    }
    return nullptr;
}

// One whole deal, from the press of barajar.
template <class Actuar> const char* jugar_reparto(const Mesa& m, Actuar&& actuar, int& bazas) {
    if (!actuar(Control::barajar)) return "barajar could not be pressed";
    return terminar_reparto(m, actuar, bazas);
}
inline const char* jugar_reparto(Mesa& m, int& bazas) {
    return jugar_reparto(m, Directo{m}, bazas);
}

} // namespace quimbel
