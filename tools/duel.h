// SPDX-License-Identifier: GPL-3.0-or-later
// Whole matches with the human's seat played by a policy, to measure how
// strong a policy is: the first accepted card, a random accepted card, or the
// hint's card.
#pragma once

#include <span>

namespace quimbel::sim {

// `quimbel-sim duel [--matches N] [--seed S] [--human first|random|hint]
// [--samples K]`; returns the exit status.
int duel(std::span<char* const> argumentos);

} // namespace quimbel::sim
