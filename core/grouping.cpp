// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/grouping.h"

#include <algorithm>

namespace quimbel {

void ordenamelas_Click(Mesa& m) {
    // AGRUPAR is offered once per deal; from now on the first trick can start.
    m.ofrece_agrupar = false;
    m.puede_jugar = true;

    // Suit by suit, each suit's cards in the order of their slots, which is
    // the order they were dealt: grouped, not sorted by rank.
    const ManoDe mano = m.en_mano[yo];
    assert(cuantas(mano.cartas) <= cartas_por_mano);
    int codigos[cartas_por_mano];
    int n = 0;
    for (int palo = oros; palo <= bastos; ++palo) {
        const int desde = n;
        for (int codigo : cada_carta(mano.cartas & cartas_del_palo(palo))) codigos[n++] = codigo;
        std::sort(codigos + desde, codigos + n,
                  [&mano](int a, int b) { return mano.hueco[a] < mano.hueco[b]; });
    }
    for (int vuelta = 1; vuelta <= n; ++vuelta) {
        m.en_hueco[yo][vuelta] = static_cast<unsigned char>(codigos[vuelta - 1]);
        m.en_mano.poner(yo, codigos[vuelta - 1], vuelta);
    }
}

} // namespace quimbel
