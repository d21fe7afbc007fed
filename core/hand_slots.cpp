// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hand_slots.h"

#include <cassert>

namespace quimbel {

void colocar_carta(Mesa& m, int asiento, int hueco, int codigo) {
    assert(es_asiento(asiento) && es_ranura(hueco) && es_codigo(codigo));
    // Whatever card the slot held leaves the hand, and the card leaves
    // whichever hand held it: a card is in one place.
    if (m.en_mano_en(asiento, hueco)) m.en_mano.quitar(asiento, m.en_hueco[asiento][hueco]);
    if (m.en_mano.hueco[codigo] != 0)
        for (int otro = derecha; otro <= yo; ++otro)
            if (m.en_mano[otro].tiene(codigo)) m.en_mano.quitar(otro, codigo);
    m.en_hueco[asiento][hueco] = static_cast<unsigned char>(codigo);
    m.en_mano.poner(asiento, codigo, hueco);
}

void retirar_carta(Mesa& m, int asiento, int hueco) {
    assert(es_asiento(asiento) && es_ranura(hueco));
    if (m.en_mano_en(asiento, hueco)) m.en_mano.quitar(asiento, m.en_hueco[asiento][hueco]);
}

} // namespace quimbel
