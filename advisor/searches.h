// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's searches (Busqueda in advisor/advisor.h), each from what the
// human knows to the value of every card the obligations accept.
#pragma once

#include <cstdint>

#include "advisor/advisor.h"
#include "core/random_source.h"

namespace quimbel::consejo {

// v1 and muestreo: a fixed number of worlds, every card played out in each.
Consejo buscar_por_muestreo(const Conocimiento& k, const Ajustes& ajustes);
// plana: worlds until the budget is spent, cards dropped once clearly worse.
Consejo buscar_plano(const Conocimiento& k, const Ajustes& ajustes);
// ismcts: a tree over the human's cards to the end of the deal.
Consejo buscar_en_arbol(const Conocimiento& k, const Ajustes& ajustes);

// A seed for the n-th world or pass, from the hint's own.
inline std::uint64_t mezclar(std::uint64_t semilla, std::uint64_t n) {
    std::uint64_t s = semilla ^ (n * 0xD1B54A32D192ED03ULL);
    return splitmix64(s);
}

} // namespace quimbel::consejo
