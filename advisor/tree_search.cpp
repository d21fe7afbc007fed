// SPDX-License-Identifier: GPL-3.0-or-later
// The tree search (information-set Monte Carlo tree search, from the human's
// side alone): a tree of the human's own cards from now to the end of the
// deal. Each pass takes a world, drawn as the weights say, and walks down the
// tree: the computer seats play their chains, and at each of the human's turns
// the card is chosen among those the obligations accept in that world by the
// upper confidence bound, a card counting as tried only in the passes where
// it could be played. A card new to the tree is played and the deal finished
// as the flat search finishes it. The suggestion is the card most tried from
// the root.
//
// A node is the human's cards so far, not what the others played in between:
// the tree reads the same for every world, as it must, since he cannot tell
// the worlds apart.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

#include "advisor/playout.h"
#include "advisor/searches.h"
#include "advisor/world_source.h"
#include "core/obligations.h"
#include "handlers/controls.h"

namespace quimbel::consejo {

namespace {

// Worlds drawn for the passes to choose from.
constexpr int pases_por_mundo = 8; // one world for every this many passes
constexpr int minimo_de_mundos = 16;
// The weight of exploring against the mean (values are chances of the match).
constexpr double exploracion = 0.25;
constexpr int pases_con_una_carta = 8;

struct Nodo {
    int codigo = 0; // the human's card that leads here
    int hijos[cartas_por_mano] = {};
    int num_hijos = 0;
    int visitas = 0;
    int disponible = 0; // passes in which its card could be played
    double suma = 0;
};

class Arbol {
  public:
    Arbol() { nodos_.push_back({}); }

    // One pass from the world at the human's turn: the value it reached.
    void pasar(Mesa& m, PlataformaMundo& plataforma) {
        camino_.clear();
        int actual = 0;
        camino_.push_back(actual);
        while (true) {
            const Conjunto aceptadas = cartas_aceptadas(m);
            int nuevo = 0, elegido = -1;
            double mejor = -1;
            // A card not yet in the tree is tried first, in slot order.
            for (int i = 1; i <= cartas_por_mano && !nuevo; ++i) {
                const int codigo = m.en_hueco[yo][i];
                if (m.en_mano_en(yo, i) && contiene(aceptadas, codigo) && hijo(actual, codigo) < 0)
                    nuevo = codigo;
            }
            if (nuevo) {
                const int n = static_cast<int>(nodos_.size());
                nodos_.push_back({});
                nodos_[static_cast<std::size_t>(n)].codigo = nuevo;
                Nodo& padre = nodos_[static_cast<std::size_t>(actual)];
                padre.hijos[padre.num_hijos++] = n;
                elegido = n;
            }
            Nodo& padre = nodos_[static_cast<std::size_t>(actual)];
            for (int h = 0; h < padre.num_hijos; ++h) {
                Nodo& c = nodos_[static_cast<std::size_t>(padre.hijos[h])];
                if (!contiene(aceptadas, c.codigo)) continue;
                ++c.disponible;
                if (nuevo) continue;
                const double ucb = c.suma / c.visitas +
                                   exploracion * std::sqrt(std::log(c.disponible) / c.visitas);
                if (ucb > mejor) {
                    mejor = ucb;
                    elegido = padre.hijos[h];
                }
            }
            assert(elegido >= 0);
            actual = elegido;
            camino_.push_back(actual);
            pulsar_carta(m, hueco_de(m, nodos_[static_cast<std::size_t>(actual)].codigo));
            if (nuevo) {
                jugar_hasta_el_final(m, true);
                break;
            }
            if (!jugar_hasta_su_turno(m)) break;
        }
        const double valor = valor_del_final(m, plataforma);
        for (int n : camino_) {
            nodos_[static_cast<std::size_t>(n)].visitas++;
            nodos_[static_cast<std::size_t>(n)].suma += valor;
        }
    }

    const Nodo& raiz() const { return nodos_[0]; }
    const Nodo& nodo(int n) const { return nodos_[static_cast<std::size_t>(n)]; }

  private:
    int hijo(int padre, int codigo) const {
        const Nodo& p = nodos_[static_cast<std::size_t>(padre)];
        for (int h = 0; h < p.num_hijos; ++h)
            if (nodos_[static_cast<std::size_t>(p.hijos[h])].codigo == codigo) return p.hijos[h];
        return -1;
    }

    std::vector<Nodo> nodos_;
    std::vector<int> camino_;
};

} // namespace

Consejo buscar_en_arbol(const Conocimiento& k, const Ajustes& ajustes) {
    assert(ajustes.presupuesto >= 1);
    Consejo consejo;
    FuenteMundos fuente(k, ajustes.semilla);
    PlataformaMundo plataforma;
    AzarGuionado azar;
    Mesa m(plataforma, azar);

    // The worlds, and their weights summed for drawing one in proportion. With
    // one card to play, a few passes give its value.
    std::vector<Mesa> mundos;
    std::vector<double> acumulado;
    double peso = 0, total = 0;
    if (!fuente.siguiente(m, peso)) return consejo;
    const bool una = cuantas(cartas_aceptadas(m)) == 1;
    const int cuantos = una ? pases_con_una_carta
                            : std::max(minimo_de_mundos, ajustes.presupuesto / pases_por_mundo);
    do {
        mundos.push_back(m);
        total += peso;
        acumulado.push_back(total);
    } while (static_cast<int>(mundos.size()) < cuantos && fuente.siguiente(m, peso));
    consejo.mundos = static_cast<int>(mundos.size());
    consejo.coherentes = fuente.coherentes();
    // The replays' work comes out of the budget, but never more than half.
    const int pases =
        una ? pases_con_una_carta
            : std::max(ajustes.presupuesto / 2, ajustes.presupuesto - fuente.trabajo());

    Arbol arbol;
    Dado dado(mezclar(ajustes.semilla, 0));
    for (int pase = 0; pase < pases; ++pase) {
        const double tirada = dado.unidad() * total;
        const auto it = std::upper_bound(acumulado.begin(), acumulado.end(), tirada);
        const std::size_t n =
            std::min(static_cast<std::size_t>(it - acumulado.begin()), mundos.size() - 1);
        Mesa partida = mundos[n];
        azar.sembrar(mezclar(ajustes.semilla, static_cast<std::uint64_t>(pase) + 1));
        plataforma.fin_partida = 0;
        arbol.pasar(partida, plataforma);
    }

    const Nodo& raiz = arbol.raiz();
    int mas_visitas = -1;
    for (int i = 1; i <= cartas_por_mano; ++i)
        for (int h = 0; h < raiz.num_hijos; ++h) {
            const Nodo& c = arbol.nodo(raiz.hijos[h]);
            if (k.mano_yo[i] != c.codigo || !k.en_mano_yo[i]) continue;
            consejo.valores.push_back({i, c.codigo, c.suma / c.visitas});
            if (c.visitas > mas_visitas) {
                mas_visitas = c.visitas;
                consejo.hueco = i;
                consejo.codigo = c.codigo;
            }
        }
    return consejo;
}

} // namespace quimbel::consejo
