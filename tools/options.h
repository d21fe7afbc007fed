// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric options of the subcommands: `--name N` or `--name=N`, each with
// its range. Anything else is refused with one line that names it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quimbel::sim {

struct OpcionNumerica {
    std::string_view nombre; // "--deals"
    std::uint64_t* valor;    // keeps its default when the option is absent
    std::uint64_t minimo;
    std::uint64_t maximo;
};

// Reads the arguments after the subcommand into the options. Returns what is
// wrong (an unknown option, a missing or bad number, a number out of range),
// or an empty string.
std::string leer_opciones(std::span<char* const> argumentos, std::span<OpcionNumerica> opciones);

} // namespace quimbel::sim
