// SPDX-License-Identifier: GPL-3.0-or-later
// The cards a seat still holds, by its suit arrays, as one word: bit c is set
// when code c is in the seat's hand. A pass of checks over a whole hand reads
// the forty entries once instead of once per question.
#pragma once

#include <cstdint>

#include "core/table.h"

namespace quimbel {

using ManoBits = std::uint64_t;

inline constexpr ManoBits bit_de(int codigo) { return ManoBits{1} << codigo; }

inline ManoBits mascara_mano(const Mesa& m, int asiento) {
    ManoBits bits = 0;
    for (int palo = oros; palo <= bastos; ++palo)
        for (int i = 1; i <= cartas_por_mano; ++i) bits |= bit_de(m.cartas[asiento][palo][i]);
    return bits & ~bit_de(0); // an empty entry holds 0
}

// Whether the hand holds both the Caballo and the Rey of `palo`.
inline bool tiene_pareja(ManoBits mano, int palo) {
    const ManoBits pareja =
        bit_de(codigo_de(palo, rango_caballo)) | bit_de(codigo_de(palo, rango_rey));
    return (mano & pareja) == pareja;
}

// Whether the hand holds the card of this rank order in all four suits.
inline bool tiene_los_cuatro(ManoBits mano, int rango) {
    ManoBits cuatro = 0;
    for (int palo = oros; palo <= bastos; ++palo) cuatro |= bit_de(codigo_de(palo, rango));
    return (mano & cuatro) == cuatro;
}

} // namespace quimbel
