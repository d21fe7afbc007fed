// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/trick_winner.h"

namespace quimbel {

namespace {

// The seat with the highest card of `palo` among the seats that put one down.
Ganador mejor_de(const Mesa& m, int palo) {
    int mejor = 0;
    for (int k = derecha; k <= yo; ++k)
        if (m.palo_en(k) == palo && palo != 0 && (mejor == 0 || m.valor_en(k) > m.valor_en(mejor)))
            mejor = k;
    if (mejor == 0) return {};
    return {mejor, equipo_de(mejor)};
}

} // namespace

Ganador ganador_baza(const Mesa& m) {
    return baza_a(m, Palo{palo_de_codigo(m.carta_de_pinta)});
}

Ganador baza_a(const Mesa& m, Palo palo) {
    if (const Ganador g = mejor_de(m, palo); g.asiento != 0) return g;
    // The suit led is looked at once: with the leader's card missing and no
    // card of `palo` down there is no winner to find.
    const int lider = es_maquina(m.quien_sale) ? m.quien_sale : yo;
    return mejor_de(m, palo_o_bastos(m.palo_en(lider)));
}

} // namespace quimbel
