// SPDX-License-Identifier: GPL-3.0-or-later
// The flat search: worlds drawn one by one, each card still in the running
// played out in every world with the same game draws, so two cards are
// compared on the same deals; a card whose paired difference with the best is
// clearly below zero leaves the running. It ends when one card is left or the
// budget of playouts is spent.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

#include "advisor/playout.h"
#include "advisor/searches.h"
#include "advisor/world_source.h"
#include "core/obligations.h"

namespace quimbel::consejo {

namespace {

// Worlds before any card is dropped, and between two looks.
constexpr int mundos_antes_de_comparar = 24;
constexpr int mundos_entre_miradas = 8;
// A card leaves when its mean is this many standard errors below the best's
// (paired over the same worlds, the worlds' weights counted).
constexpr double errores_para_dejarla = 3.0;
// The value of a card that is the only one accepted: a few worlds.
constexpr int mundos_con_una_carta = 8;

struct Carta {
    Valoracion v;
    bool viva = true;
    std::vector<double> valores; // one per world, while alive
};

// Whether b is clearly worse than a, on the worlds both were played in.
bool claramente_peor(const Carta& a, const Carta& b, const std::vector<double>& pesos) {
    double sw = 0, sw2 = 0, sd = 0;
    const std::size_t n = b.valores.size();
    for (std::size_t i = 0; i < n; ++i) {
        sw += pesos[i];
        sw2 += pesos[i] * pesos[i];
        sd += pesos[i] * (a.valores[i] - b.valores[i]);
    }
    const double media = sd / sw;
    double var = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double d = a.valores[i] - b.valores[i] - media;
        var += pesos[i] * d * d;
    }
    var /= sw;
    const double efectivos = sw * sw / sw2; // the weighted worlds' worth in equal ones
    return media > errores_para_dejarla * std::sqrt(var / efectivos) + 1e-12;
}

double media(const Carta& c, const std::vector<double>& pesos) {
    double sw = 0, s = 0;
    for (std::size_t i = 0; i < c.valores.size(); ++i) {
        sw += pesos[i];
        s += pesos[i] * c.valores[i];
    }
    return sw > 0 ? s / sw : 0;
}

} // namespace

Consejo buscar_plano(const Conocimiento& k, const Ajustes& ajustes) {
    assert(ajustes.presupuesto >= 1);
    Consejo consejo;
    FuenteMundos fuente(k, ajustes.semilla);
    PlataformaMundo plataforma;
    AzarGuionado azar;
    Mesa mundo(plataforma, azar);
    double peso = 0;
    if (!fuente.siguiente(mundo, peso)) return consejo;

    std::vector<Carta> cartas;
    for (int codigo : cada_carta(cartas_aceptadas(mundo))) {
        const int hueco = hueco_de(mundo, codigo);
        assert(hueco != 0);
        cartas.push_back({{hueco, codigo, 0.0}, true, {}});
    }
    std::sort(cartas.begin(), cartas.end(),
              [](const Carta& a, const Carta& b) { return a.v.hueco < b.v.hueco; });
    if (cartas.empty()) return consejo;

    std::vector<double> pesos;
    int vivas = static_cast<int>(cartas.size());
    int jugadas = 0;
    const int limite = vivas == 1 ? mundos_con_una_carta : ajustes.presupuesto;
    for (int n = 0;; ++n) {
        if (n > 0 && !fuente.siguiente(mundo, peso)) break;
        pesos.push_back(peso);
        const std::uint64_t semilla = mezclar(ajustes.semilla, static_cast<std::uint64_t>(n));
        for (Carta& c : cartas) {
            if (!c.viva) continue;
            c.valores.push_back(jugar_y_valorar(mundo, c.v.hueco, semilla, true));
            ++jugadas;
        }
        if (jugadas + fuente.trabajo() + vivas > limite) break;
        if (vivas > 1 && n + 1 >= mundos_antes_de_comparar && (n + 1) % mundos_entre_miradas == 0) {
            const Carta* mejor = nullptr;
            for (const Carta& c : cartas)
                if (c.viva && (!mejor || media(c, pesos) > media(*mejor, pesos))) mejor = &c;
            for (Carta& c : cartas)
                if (c.viva && &c != mejor && claramente_peor(*mejor, c, pesos)) {
                    c.viva = false;
                    --vivas;
                }
        }
        if (vivas == 1 && n + 1 >= mundos_antes_de_comparar) break;
    }
    consejo.mundos = static_cast<int>(pesos.size());
    consejo.coherentes = fuente.coherentes();

    const Carta* mejor = nullptr;
    for (Carta& c : cartas) {
        c.v.valor = media(c, pesos);
        consejo.valores.push_back(c.v);
        if (c.viva && (!mejor || c.v.valor > mejor->v.valor)) mejor = &c;
    }
    consejo.hueco = mejor->v.hueco;
    consejo.codigo = mejor->v.codigo;
    return consejo;
}

} // namespace quimbel::consejo
