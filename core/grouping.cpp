// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/grouping.h"

namespace quimbel {

void ordenamelas_Click(Mesa& m) {
    // AGRUPAR is offered once per deal; from now on the first trick can start.
    m.ofrece_agrupar = false;
    m.puede_jugar = true;

    int vuelta = 1; // the next image to fill
    for (int palo = oros; palo <= bastos; ++palo) {
        // The suit arrays keep the deal order, so a suit's cards come out in
        // the order they were dealt: grouped, not sorted by rank.
        for (int i = 1; i <= cartas_por_mano; ++i) {
            const int codigo = m.cartas[yo][palo][i];
            if (codigo == 0) continue;
            // Ten images at most: whatever else the arrays hold has no place.
            if (vuelta > cartas_por_mano) return;
            // The game's agrupar_palo: the picture in naipes whose Tag is this code.
            const Imagen& naipe = m.naipes[naipe_de_codigo(codigo)];
            Imagen& imagen = m.manos[yo][vuelta];
            imagen.dibujo = naipe.dibujo;
            imagen.tag = naipe.tag;
            m.palos[yo][vuelta] = palo;
            ++vuelta;
        }
    }
    // The suit arrays are left as they were: from now on they are a set of
    // codes, no longer matching the images slot by slot.
}

} // namespace quimbel
