// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hand_slots.h"

#include <cassert>

namespace quimbel {

void colocar_carta(Mesa& m, int asiento, int hueco, int codigo) {
    assert(es_asiento(asiento) && es_ranura(hueco) && es_codigo(codigo));
    // Whatever card the slot held leaves the hand.
    if (m.en_mano_en(asiento, hueco)) m.en_mano[asiento].quitar(m.en_hueco[asiento][hueco]);
    m.en_hueco[asiento][hueco] = codigo;
    m.en_mano[asiento].poner(codigo, hueco);
}

void retirar_carta(Mesa& m, int asiento, int hueco) {
    assert(es_asiento(asiento) && es_ranura(hueco));
    if (m.en_mano_en(asiento, hueco)) m.en_mano[asiento].quitar(m.en_hueco[asiento][hueco]);
}

} // namespace quimbel
