// SPDX-License-Identifier: GPL-3.0-or-later
// Whole deals played as fast as the table allows, the human's seat played by
// the simplest honest policy: the first card in slot order that the
// obligations accept. Its signature pins the play: it moves whenever any
// card put on the table changes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quimbel::sim {

struct MedidaBench {
    std::uint64_t repartos = 0;
    std::uint64_t bazas = 0;
    std::uint64_t partidas = 0;
    std::uint64_t firma = 0; // FNV-1a, one byte per card put on the table: its code
    double segundos = 0;
    std::string fallo; // non-empty when the table stopped answering
};

MedidaBench correr_bench(std::uint64_t repartos, std::uint64_t semilla);

// `quimbel-sim bench [--deals N] [--seed S]`; returns the exit status.
int bench(std::span<char* const> argumentos);

} // namespace quimbel::sim
