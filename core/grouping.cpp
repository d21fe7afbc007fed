#include "core/grouping.h"

namespace quimbel {

void ordenamelas_Click(Mesa& m) {
    // AGRUPAR is offered once per deal; from now on the first trick can start.
    m.ordenamelas.visible = false;
    m.jugando.enabled = true;

    m.paso_palo = 0;
    m.vuelta = 1; // the next image to fill
    for (int palo = oros; palo <= bastos; ++palo) {
        // The suit arrays keep the deal order, so a suit's cards come out in
        // the order they were dealt: grouped, not sorted by rank.
        for (m.indice = 1; m.indice <= 10 && m.vuelta <= 10; ++m.indice) {
            if (m.cartas[yo][palo][m.indice] == 0) continue;
            m.sorteo = m.cartas[yo][palo][m.indice];
            agrupar_palo(m);
            Imagen& imagen = m.manos[yo][m.vuelta];
            const Imagen& naipe = m.naipes[m.encontrado];
            imagen.dibujo = naipe.dibujo;
            imagen.tag = naipe.tag;
            m.palos[yo][m.vuelta] = palo;
            ++m.vuelta;
        }
        ++m.paso_palo;
    }
    // The suit arrays are left as they were: from now on they are a set of
    // codes, no longer matching the images slot by slot.
}

void agrupar_palo(Mesa& m) {
    m.encontrado = 0;
    if (m.paso_palo >= 1 && m.paso_palo <= 3) {
        m.encontrado = 10 * m.paso_palo;
        m.sorteo -= 10 * m.paso_palo;
    }
    // Rank order to the position of its face in the suit's block of naipes
    // (As, Dos, Tres ... Rey in printed order). Anything else is the As.
    static constexpr int posicion[10] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 3};
    m.encontrado += (m.sorteo >= 1 && m.sorteo <= 9) ? posicion[m.sorteo] : 1;
}

} // namespace quimbel
