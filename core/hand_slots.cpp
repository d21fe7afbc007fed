// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hand_slots.h"

#include <cassert>

namespace quimbel {

void colocar_carta(Mesa& m, int asiento, int hueco, int codigo) {
    assert(asiento >= derecha && asiento <= yo && hueco >= 1 && hueco <= 10);
    assert(codigo >= 1 && codigo <= 40);
    const int palo = palo_de_codigo(codigo);
    Imagen& cara = m.manos[asiento][hueco];
    cara.dibujo = naipe_de_codigo(codigo);
    cara.tag = codigo;
    cara.visible = true;
    for (int p = oros; p <= bastos; ++p) m.cartas[asiento][p][hueco] = p == palo ? codigo : 0;
    m.palos[asiento][hueco] = palo;
    if (asiento != yo) m.tapas[asiento][hueco] = Imagen{dibujo_dorso, 0, true, true};
}

void retirar_carta(Mesa& m, int asiento, int hueco) {
    assert(asiento >= derecha && asiento <= yo && hueco >= 1 && hueco <= 10);
    m.manos[asiento][hueco].visible = false;
    for (int p = oros; p <= bastos; ++p) m.cartas[asiento][p][hueco] = 0;
    if (asiento != yo) m.tapas[asiento][hueco].visible = false;
}

} // namespace quimbel
