// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table_check.h"

#include <cstdio>
#include <cstdlib>

namespace quimbel {

namespace {

const char* revisar_asiento(const Mesa& m, int asiento) {
    const CartasEnMano& mano = m.en_mano[asiento];
    Conjunto en_arrays = 0;
    for (int palo = oros; palo <= bastos; ++palo)
        for (int i = 1; i <= cartas_por_mano; ++i) {
            const int codigo = m.cartas[asiento][palo][i];
            if (codigo == 0) continue;
            if (!es_codigo(codigo) || palo_de_codigo(codigo) != palo)
                return "a suit array holds a card of another suit";
            if (mano.hueco[codigo] != i) return "a seat's set of cards has a card at another slot";
            en_arrays |= una_carta(codigo);
        }
    if (en_arrays != mano.cartas) return "a seat's set of cards is not its suit arrays";

    Conjunto visibles = 0;
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (m.manos[asiento][i].visible) visibles |= una_carta(m.manos[asiento][i].tag);
    // The human's arrays are a set of codes once his hand is grouped; a
    // computer seat's hold each card at the slot of its image.
    if (visibles != mano.cartas) return "a seat's hand images are not its suit arrays";
    if (asiento != yo)
        for (int codigo : cada_carta(mano.cartas))
            if (m.manos[asiento][mano.hueco[codigo]].tag != codigo)
                return "a computer seat's card is not at the slot of its image";
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
    for (int k = 0; k < m.registro.cuantas; ++k)
        if (contiene(vistas, m.registro.jugadas[k].codigo))
            return "a card put down in this deal is still in a hand";
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        const Imagen& centro = m.centro[asiento];
        if (!centro.visible) continue;
        const int codigo = naipe_codigo(centro.dibujo);
        if (m.tag[asiento] != codigo || m.palo[asiento] != palo_de_codigo(codigo) ||
            m.valor[asiento] != rango_de_codigo(codigo))
            return "a card on the table is not its row of the trick table";
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
