// SPDX-License-Identifier: GPL-3.0-or-later
// Random scripts played through the driver, with the table's invariants
// checked after every command. A failing script is written to a file that
// `quimbel-sim script` replays.
#pragma once

#include <span>

namespace quimbel::sim {

// `quimbel-sim soak [--scripts N] [--deals D] [--seed S]`; returns the exit status.
int soak(std::span<char* const> argumentos);

} // namespace quimbel::sim
