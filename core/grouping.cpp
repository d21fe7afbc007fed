// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/grouping.h"

namespace quimbel {

void ordenamelas_Click(Mesa& m) {
    // AGRUPAR is offered once per deal; from now on the first trick can start.
    m.ofrece_agrupar = false;
    m.puede_jugar = true;

    // Suit by suit, each suit's cards in the order of their slots, which is
    // the order they were dealt: grouped, not sorted by rank.
    int de_cada_palo[por_palo][cartas_por_mano];
    int cuantas_del_palo[por_palo] = {};
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (m.en_mano_en(yo, i)) {
            const int codigo = m.en_hueco[yo][i];
            const int palo = palo_de_codigo(codigo);
            de_cada_palo[palo][cuantas_del_palo[palo]++] = codigo;
        }
    int vuelta = 1;
    for (int palo = oros; palo <= bastos; ++palo)
        for (int n = 0; n < cuantas_del_palo[palo]; ++n, ++vuelta) {
            m.en_hueco[yo][vuelta] = static_cast<unsigned char>(de_cada_palo[palo][n]);
            m.en_mano.poner(yo, de_cada_palo[palo][n], vuelta);
        }
}

} // namespace quimbel
