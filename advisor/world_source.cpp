// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/world_source.h"

#include <cassert>

namespace quimbel::consejo {

namespace {

// Deals drawn per world handed out (beyond a start), before the worlds found
// are handed out again, and the most drawn in a row for one world.
constexpr int intentos_de_entrada = 96;
constexpr int intentos_por_mundo = 6;
constexpr int intentos_seguidos = 24;
// The weight of such a world: below any world that agrees (whose weight is
// the chance of its draws: a few draws of four or three outcomes each).
constexpr double peso_incoherente = 1e-9;

} // namespace

FuenteMundos::FuenteMundos(const Conocimiento& k, std::uint64_t semilla)
    : k_(k), incognitas_(k), dado_(semilla) {}

bool FuenteMundos::siguiente(Mesa& m, double& peso) {
    const int n = entregados_++;
    const bool ya_no = intentos_ >= intentos_de_entrada + intentos_por_mundo * n;
    if (ya_no && !halladas_.empty()) {
        const std::size_t i = static_cast<std::size_t>(n) % halladas_.size();
        Plataforma* const plataforma = m.plataforma;
        FuenteAzar* const azar = m.azar;
        m = halladas_[i];
        m.plataforma = plataforma;
        m.azar = azar;
        peso = pesos_[i];
        return true;
    }
    Plataforma* const suya = m.plataforma;
    Mundo w;
    bool alguno = false;
    peso = 0;
    const int seguidos_max = ya_no ? 1 : intentos_seguidos;
    for (int seguidos = 0; seguidos < seguidos_max && peso == 0; ++seguidos) {
        if (!incognitas_.sortear(dado_, w)) break;
        alguno = true;
        ++intentos_;
        m.plataforma = &plataforma_;
        peso = rehacer_reparto(m, k_, w, plataforma_);
    }
    if (peso > 0) {
        ++coherentes_;
        halladas_.push_back(m);
        pesos_.push_back(peso);
    } else if (alguno) {
        mesa_actual(m, k_, w);
        peso = peso_incoherente;
    }
    m.plataforma = suya;
    return alguno;
}

} // namespace quimbel::consejo
