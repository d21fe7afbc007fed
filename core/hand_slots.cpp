// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/hand_slots.h"

#include <cassert>

namespace quimbel {

namespace {

// Whatever card the slot's suit arrays hold leaves them, and the seat's set.
void vaciar_arrays(Mesa& m, int asiento, int hueco) {
    for (int p = oros; p <= bastos; ++p) {
        int& entrada = m.cartas[asiento][p][hueco];
        if (entrada == 0) continue;
        m.en_mano[asiento].quitar(entrada);
        entrada = 0;
    }
}

} // namespace

void colocar_carta(Mesa& m, int asiento, int hueco, int codigo) {
    assert(es_asiento(asiento) && es_ranura(hueco) && es_codigo(codigo));
    const int palo = palo_de_codigo(codigo);
    Imagen& cara = m.manos[asiento][hueco];
    cara.dibujo = naipe_de_codigo(codigo);
    cara.tag = codigo;
    cara.visible = true;
    vaciar_arrays(m, asiento, hueco);
    m.cartas[asiento][palo][hueco] = codigo;
    m.en_mano[asiento].poner(codigo, hueco);
    m.palos[asiento][hueco] = palo;
    if (asiento != yo) m.tapas[asiento][hueco] = Imagen{dibujo_dorso, 0, true, true};
}

void retirar_carta(Mesa& m, int asiento, int hueco) {
    assert(es_asiento(asiento) && es_ranura(hueco));
    m.manos[asiento][hueco].visible = false;
    vaciar_arrays(m, asiento, hueco);
    if (asiento != yo) m.tapas[asiento][hueco].visible = false;
}

} // namespace quimbel
