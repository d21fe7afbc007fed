// SPDX-License-Identifier: GPL-3.0-or-later
// Worlds one after another, each at the human's turn and with its weight: the
// unseen cards dealt uniformly among the deals that fit what was seen, the
// deal replayed, and the world weighed by the chance of the leaders' draws
// that make its chains put down what they did.
#pragma once

#include <cstdint>
#include <vector>

#include "advisor/hidden_cards.h"
#include "advisor/knowledge.h"
#include "advisor/world_table.h"
#include "core/table.h"

namespace quimbel::consejo {

class FuenteMundos {
  public:
    FuenteMundos(const Conocimiento& k, std::uint64_t semilla);

    // The next world into m (its platform and random source kept), and its
    // weight. When what was seen leaves few deals, most drawn disagree: once
    // the draws run past a few per world, the worlds found are handed out
    // again in turn, and when none was found, one that disagrees is laid out
    // directly at a weight far below any that agrees. False when no deal fits
    // at all (a table laid by hand).
    bool siguiente(Mesa& m, double& peso);

    int coherentes() const { return coherentes_; }
    // The work of the replays so far, in play-outs: a leader's press searched
    // costs about an eighth of the rest of a deal played out.
    int trabajo() const { return static_cast<int>(plataforma_.hojas / 8); }

  private:
    const Conocimiento& k_;
    Incognitas incognitas_;
    Dado dado_;
    PlataformaMundo plataforma_;
    int coherentes_ = 0;
    int intentos_ = 0; // deals drawn so far
    int entregados_ = 0;
    std::vector<Mesa> halladas_; // the worlds that agree, and their weights
    std::vector<double> pesos_;
};

} // namespace quimbel::consejo
