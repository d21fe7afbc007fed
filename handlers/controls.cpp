// SPDX-License-Identifier: GPL-3.0-or-later
#include "handlers/controls.h"

#include "core/deal.h"
#include "core/grouping.h"
#include "core/table_check.h"
#include "handlers/collection.h"
#include "handlers/human_play.h"
#include "handlers/turn.h"

namespace quimbel {

const Boton& boton(const Mesa& m, Control c) {
    switch (c) {
    case Control::barajar: return m.barajar;
    case Control::ordenamelas: return m.ordenamelas;
    case Control::jugando: return m.jugando;
    case Control::recoger: return m.recoger;
    case Control::Command2: return m.Command2;
    }
    assert(false && "not a control");
    return m.Command2;
}

bool pulsar(Mesa& m, Control c) {
    if (!boton(m, c).activo()) return false;
    switch (c) {
    case Control::barajar: barajar_Click(m); break;
    case Control::ordenamelas: ordenamelas_Click(m); break;
    case Control::jugando: jugando_Click(m); break;
    case Control::recoger: recoger_Click(m); break;
    case Control::Command2: Command2_Click(m); break;
    }
    afirmar_mesa_en_orden(m, "a press");
    return true;
}

bool pulsar_carta(Mesa& m, int ranura) {
    if (!es_ranura(ranura)) return false;
    const Imagen& carta = m.manos[yo][ranura];
    // A played card is hidden; the hand is disabled whenever the human is not to play.
    if (!carta.visible || !carta.enabled) return false;
    yo_Click(m, ranura);
    afirmar_mesa_en_orden(m, "a click");
    return true;
}

} // namespace quimbel
