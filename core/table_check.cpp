// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table_check.h"

#include <cstdio>
#include <cstdlib>

namespace quimbel {

namespace {

const char* revisar_asiento(const Mesa& m, int asiento) {
    const ManoDe mano = m.en_mano[asiento];
    for (int codigo = 1; codigo <= num_cartas; ++codigo) {
        const int hueco = mano.hueco[codigo];
        if (!mano.tiene(codigo)) continue;
        if (!es_ranura(hueco)) return "a card in hand names no slot";
        if (m.en_hueco[asiento][hueco] != codigo)
            return "a card in hand is not the card of its slot";
    }
    return nullptr;
}

} // namespace

const char* desacuerdo_en_mesa(const Mesa& m) {
    Conjunto vistas = 0; // every card seen so far: in a hand, on the table
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        if (const char* fallo = revisar_asiento(m, asiento)) return fallo;
        if ((vistas & m.en_mano[asiento].cartas) != 0) return "a card is in two hands";
        vistas |= m.en_mano[asiento].cartas;
    }
    for (int codigo = 1; codigo <= num_cartas; ++codigo)
        if (!contiene(vistas, codigo) && m.en_mano.hueco[codigo] != 0)
            return "a card out of every hand still names a slot";
    for (int k = 0; k < m.registro.cuantas; ++k)
        if (contiene(vistas, m.registro.jugadas[k].codigo))
            return "a card put down in this deal is still in a hand";
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        if (!m.en_mesa[asiento]) continue;
        if (!es_codigo(m.en_baza[asiento])) return "a seat shows a card on the table with none";
        if (contiene(vistas, m.en_baza[asiento])) return "a card on the table is also in a hand";
    }
    return nullptr;
}

void afirmar_mesa_en_orden([[maybe_unused]] const Mesa& m,
                           [[maybe_unused]] const char* despues_de) {
#ifndef NDEBUG
    if (const char* fallo = desacuerdo_en_mesa(m)) {
        std::fprintf(stderr, "quimbel: after %s: %s\n", despues_de, fallo);
        std::abort();
    }
#endif
}

} // namespace quimbel
