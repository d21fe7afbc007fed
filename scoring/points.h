// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the scoring: what each card and the last trick are worth,
// the declarations, and the games a deal and a match are played for.
#pragma once

#include "core/cards.h"

namespace quimbel {

namespace detalle {
// At namespace scope: as a local of the function below, the table would be
// built on the stack at every call.
inline constexpr int puntos_por_rango[cartas_por_palo + 1] = {0, 0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
} // namespace detalle

// puntos_de_carta: by rank order, Dos .. Siete nothing, Sota 2, Caballo 3,
// Rey 4, Tres 10, As 11; anything else (the "0" of an empty place) nothing.
inline constexpr int puntos_de_carta(int rango) {
    return rango >= 0 && rango <= cartas_por_palo ? detalle::puntos_por_rango[rango] : 0;
}

namespace detalle {
inline constexpr struct PuntosPorEntrada {
    unsigned char puntos[por_carta] = {};
    constexpr PuntosPorEntrada() {
        for (int codigo = 1; codigo <= num_cartas; ++codigo)
            puntos[codigo] = static_cast<unsigned char>(puntos_de_carta(rango_de_codigo(codigo)));
    }
} puntos_por_entrada{};
} // namespace detalle
// What the card of a trick's entry is worth, nothing for an empty entry: the
// collection counts four of them every trick, so it is one load.
inline constexpr int puntos_de_entrada(int codigo) {
    assert(codigo >= 0 && codigo <= num_cartas);
    return detalle::puntos_por_entrada.puntos[codigo];
}

inline constexpr int puntos_ultima_baza = 10;
inline constexpr int puntos_veinte = 20;
inline constexpr int puntos_cuarenta = 40;

// Every deal shares out the forty cards and the last trick: 130 points,
// besides what is declared.
inline constexpr int puntos_por_reparto = [] {
    int suma = puntos_ultima_baza;
    for (int rango = 1; rango <= cartas_por_palo; ++rango)
        suma += num_palos * puntos_de_carta(rango);
    return suma;
}();
static_assert(puntos_por_reparto == 130);

// Above 100 points a deal is worth two games, else one; a tute wins two.
inline constexpr int puntos_para_dos_juegos = 100;
inline constexpr int juegos_por_tute = 2;
inline constexpr int juegos_para_partida = 8;

} // namespace quimbel
