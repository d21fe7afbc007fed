// SPDX-License-Identifier: GPL-3.0-or-later
// The sampling searches: a fixed number of worlds, each card the rules accept
// played out once in every world with the same game draws, the card with the
// best weighted mean suggested. v1 is version 1.0's, kept to compare with:
// its leaders' draws from a grid and its worlds drawn unevenly.
#include <algorithm>
#include <cassert>
#include <vector>

#include "advisor/hidden_cards.h"
#include "advisor/playout.h"
#include "advisor/searches.h"
#include "advisor/world_table.h"
#include "core/obligations.h"
#include "handlers/controls.h"

namespace quimbel::consejo {

namespace {

// Draws of worlds per world wanted, before giving up on finding worlds whose
// chains played as seen.
constexpr int intentos_por_mundo = 24;
// A world whose chains would have played otherwise still counts a little,
// when too few that agree were found.
constexpr double peso_incoherente = 0.1;

struct MundoJugable {
    Mesa mesa;
    double peso;
};

} // namespace

Consejo buscar_por_muestreo(const Conocimiento& k, const Ajustes& ajustes) {
    Consejo consejo;
    assert(ajustes.muestras >= 1);
    const int muestras = ajustes.muestras;
    const Incognitas incognitas(k);
    Dado dado(ajustes.semilla);

    const bool v1 = ajustes.busqueda == Busqueda::v1;
    PlataformaMundo plataforma;
    AzarGuionado azar;
    Mesa m(plataforma, azar);

    std::vector<MundoJugable> mundos;
    std::vector<Mundo> de_reserva; // drawn, but their chains disagree
    mundos.reserve(static_cast<std::size_t>(muestras));
    Mundo w;
    for (int intento = 0;
         intento < muestras * intentos_por_mundo && static_cast<int>(mundos.size()) < muestras;
         ++intento) {
        if (!(v1 ? incognitas.sortear_v1(dado, w) : incognitas.sortear(dado, w))) continue;
        if (const double p =
                rehacer_reparto(m, k, w, plataforma, v1 ? Inferencia::rejilla : Inferencia::exacta);
            p > 0)
            mundos.push_back({m, p});
        else if (static_cast<int>(de_reserva.size()) < muestras)
            de_reserva.push_back(w);
    }
    consejo.coherentes = static_cast<int>(mundos.size());
    const int minimo = (muestras + 3) / 4;
    // A world that agrees weighs the chance of its leaders' draws (in v1,
    // always 1); one that does not, a tenth of the least of those.
    double menor = 1;
    for (const MundoJugable& j : mundos) menor = std::min(menor, j.peso);
    for (const Mundo& r : de_reserva) {
        if (static_cast<int>(mundos.size()) >= minimo) break;
        mesa_actual(m, k, r);
        mundos.push_back({m, peso_incoherente * menor});
    }
    if (mundos.empty()) return consejo; // no deal fits (a table laid by hand)
    consejo.mundos = static_cast<int>(mundos.size());
    plataforma.esperar(nullptr, 0);

    // The cards the obligations accept: the same in every world, since they
    // depend on the human's hand and the table alone.
    const Conjunto aceptadas = cartas_aceptadas(mundos[0].mesa);
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (k.en_mano_yo[i] && contiene(aceptadas, k.mano_yo[i]))
            consejo.valores.push_back({i, k.mano_yo[i], 0.0});

    double peso_total = 0;
    for (std::size_t n = 0; n < mundos.size(); ++n) {
        const std::uint64_t semilla = mezclar(ajustes.semilla, n);
        for (Valoracion& v : consejo.valores) {
            Mesa partida = mundos[n].mesa;
            partida.plataforma = &plataforma;
            partida.azar = &azar;
            // The same draws for every card in a world: the cards are told
            // apart by what they do, not by luck.
            azar.sembrar(semilla);
            plataforma.fin_partida = 0;
            pulsar_carta(partida, v.hueco);
            jugar_hasta_el_final(partida);
            v.valor += mundos[n].peso * valor_del_final(partida, plataforma);
        }
        peso_total += mundos[n].peso;
    }
    const Valoracion* mejor = nullptr;
    for (Valoracion& v : consejo.valores) {
        v.valor /= peso_total;
        if (!mejor || v.valor > mejor->valor) mejor = &v;
    }
    if (mejor) {
        consejo.hueco = mejor->hueco;
        consejo.codigo = mejor->codigo;
    }
    return consejo;
}

} // namespace quimbel::consejo
