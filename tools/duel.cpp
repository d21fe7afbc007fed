// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/duel.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "advisor/advisor.h"
#include "advisor/hidden_cards.h"
#include "core/deal.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "core/table.h"
#include "handlers/controls.h"
#include "handlers/play_out.h"
#include "scoring/points.h"
#include "tools/options.h"

namespace quimbel::sim {

namespace {

enum class Politica { first, random, hint };

constexpr std::string_view nombres_politica[] = {"first", "random", "hint"};

// Pauses take no time; the card points of each trick go to the team that
// takes it, and a match banner closes the match with the games on the table.
class PlataformaDuelo final : public PlataformaMuda {
  public:
    void carta_puesta(int, int codigo) override {
        en_mesa += puntos_de_carta(rango_de_codigo(codigo));
    }
    void baza_evaluada(int, Equipo equipo) override {
        (equipo == Equipo::nosotros ? puntos_nosotros : puntos_ellos) +=
            static_cast<std::uint64_t>(en_mesa);
        en_mesa = 0;
    }
    void anuncio_mostrado(Anuncio a) override {
        if (a != Anuncio::ganpartida && a != Anuncio::perpartida) return;
        fin = a == Anuncio::ganpartida ? 1 : -1;
        // The banner comes before the games are cleared for the next match.
        juegos_nosotros += static_cast<std::uint64_t>(mesa->nosotros.juegos);
        juegos_ellos += static_cast<std::uint64_t>(mesa->ellos.juegos);
    }

    const Mesa* mesa = nullptr;
    int en_mesa = 0;
    int fin = 0;
    std::uint64_t puntos_nosotros = 0, puntos_ellos = 0;
    std::uint64_t juegos_nosotros = 0, juegos_ellos = 0;
};

double segundos_de_proceso() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

class Jugador {
  public:
    Jugador(Politica politica, std::uint64_t semilla, int muestras)
        : politica_(politica), dado_(semilla ^ 0x5DEECE66DULL), muestras_(muestras) {}

    // Play the human's card of this trick; false when none was accepted.
    bool jugar(Mesa& m) {
        switch (politica_) {
        case Politica::first: return jugar_primera_aceptada(m) != 0;
        case Politica::random: return jugar_al_azar(m);
        case Politica::hint: break;
        }
        return jugar_pista(m);
    }

    std::vector<double> tiempos; // seconds per suggestion
    std::uint64_t pistas_rechazadas = 0;
    std::uint64_t mundos = 0, coherentes = 0; // worlds played out, and those that agree

  private:
    // The slots in a random order, the first accepted played: each card the
    // rules accept is equally likely.
    bool jugar_al_azar(Mesa& m) {
        int huecos[10];
        for (int n = 0; n < 10; ++n) {
            const int otro = dado_.hasta(n + 1);
            huecos[n] = huecos[otro];
            huecos[otro] = n + 1;
        }
        for (int i : huecos)
            if (m.en_mano_en(yo, i) && pulsar_carta(m, i) && !m.en_mano_en(yo, i)) return true;
        return false;
    }

    bool jugar_pista(Mesa& m) {
        const double inicio = segundos_de_proceso();
        const consejo::Pista pista =
            consejo::pedir_pista(m, {muestras_, static_cast<std::uint64_t>(dado_.siguiente())});
        tiempos.push_back(segundos_de_proceso() - inicio);
        mundos += static_cast<std::uint64_t>(pista.consejo.mundos);
        coherentes += static_cast<std::uint64_t>(pista.consejo.coherentes);
        if (pista.hueco != 0 && pulsar_carta(m, pista.hueco) && !m.en_mano_en(yo, pista.hueco))
            return true;
        ++pistas_rechazadas;
        return jugar_primera_aceptada(m) != 0;
    }

    Politica politica_;
    consejo::Dado dado_;
    int muestras_;
};

// One deal, from barajar until barajar can act again. What could not be
// pressed, or nullptr.
const char* jugar_reparto(Mesa& m, Jugador& jugador) {
    if (!pulsar(m, Control::barajar)) return "barajar could not be pressed";
    if (!pulsar(m, Control::ordenamelas)) return "ordenamelas could not be pressed";
    do {
        if (!pulsar(m, Control::jugando)) return "jugando could not be pressed";
        if (!jugador.jugar(m)) return "no card of the human was accepted";
        if (!pulsar(m, Control::recoger)) return "recoger could not be pressed";
    } while (!m.puede_barajar);
    return nullptr;
}

// The 95% interval of a proportion (Wilson's).
void intervalo(std::uint64_t exitos, std::uint64_t n, double& bajo, double& alto) {
    const double z = 1.959964, p = static_cast<double>(exitos) / n, nn = static_cast<double>(n);
    const double centro = (p + z * z / (2 * nn)) / (1 + z * z / nn);
    const double radio = z * std::sqrt(p * (1 - p) / nn + z * z / (4 * nn * nn)) / (1 + z * z / nn);
    bajo = centro - radio;
    alto = centro + radio;
}

// Takes `--human NAME` (or `--human=NAME`) out of the arguments.
std::string leer_politica(std::vector<char*>& argumentos, Politica& politica) {
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::string_view arg = argumentos[i];
        std::string_view nombre;
        std::size_t quitar = 1;
        if (arg == "--human") {
            if (i + 1 >= argumentos.size()) return "option --human needs first, random or hint";
            nombre = argumentos[i + 1];
            quitar = 2;
        } else if (arg.starts_with("--human=")) {
            nombre = arg.substr(8);
        } else {
            continue;
        }
        auto it = std::find(std::begin(nombres_politica), std::end(nombres_politica), nombre);
        if (it == std::end(nombres_politica))
            return "option --human needs first, random or hint, not \"" + std::string(nombre) +
                   "\"";
        politica = static_cast<Politica>(it - std::begin(nombres_politica));
        argumentos.erase(argumentos.begin() + static_cast<std::ptrdiff_t>(i),
                         argumentos.begin() + static_cast<std::ptrdiff_t>(i + quitar));
        --i;
    }
    return {};
}

} // namespace

int duel(std::span<char* const> argumentos) {
    std::uint64_t partidas = 2000, semilla = 1, muestras = consejo::muestras_por_defecto;
    Politica politica = Politica::first;
    std::vector<char*> resto(argumentos.begin(), argumentos.end());
    std::string error = leer_politica(resto, politica);
    OpcionNumerica opciones[] = {{"--matches", &partidas, 1, 10000000},
                                 {"--seed", &semilla, 0, UINT64_MAX},
                                 {"--samples", &muestras, 1, 100000}};
    if (error.empty()) error = leer_opciones(resto, opciones);
    if (!error.empty()) {
        std::fprintf(stderr, "quimbel-sim duel: %s\n", error.c_str());
        return 2;
    }

    PlataformaDuelo plataforma;
    AzarGuionado azar(semilla);
    Mesa m(plataforma, azar);
    plataforma.mesa = &m;
    Jugador jugador(politica, semilla, static_cast<int>(muestras));

    const double inicio = segundos_de_proceso();
    std::uint64_t ganadas = 0, repartos = 0;
    Form_Load(m);
    for (std::uint64_t n = 0; n < partidas; ++n) {
        plataforma.fin = 0;
        while (plataforma.fin == 0) {
            if (const char* fallo = jugar_reparto(m, jugador)) {
                std::fprintf(stderr,
                             "quimbel-sim duel: the table stopped: %s in deal %" PRIu64 "\n", fallo,
                             repartos + 1);
                return 1;
            }
            ++repartos;
        }
        if (plataforma.fin > 0) ++ganadas;
    }
    const double segundos = segundos_de_proceso() - inicio;

    double bajo = 0, alto = 0;
    intervalo(ganadas, partidas, bajo, alto);
    const double np = static_cast<double>(partidas), nr = static_cast<double>(repartos);
    std::printf("human %s, matches %" PRIu64 ", seed %" PRIu64 "\n",
                nombres_politica[static_cast<int>(politica)].data(), partidas, semilla);
    std::printf("won %" PRIu64 " lost %" PRIu64 ": %.1f%% (95%% interval %.1f%% to %.1f%%)\n",
                ganadas, partidas - ganadas, 100.0 * ganadas / np, 100 * bajo, 100 * alto);
    std::printf("games per match: nosotros %.2f ellos %.2f\n", plataforma.juegos_nosotros / np,
                plataforma.juegos_ellos / np);
    std::printf("card points per deal: nosotros %.1f ellos %.1f (%" PRIu64 " deals)\n",
                plataforma.puntos_nosotros / nr, plataforma.puntos_ellos / nr, repartos);
    if (politica == Politica::hint && !jugador.tiempos.empty()) {
        std::vector<double>& t = jugador.tiempos;
        std::sort(t.begin(), t.end());
        std::printf("suggestions %zu (samples %" PRIu64 "): median %.1f ms, max %.1f ms\n",
                    t.size(), muestras, 1000 * t[t.size() / 2], 1000 * t.back());
        std::printf("worlds per suggestion %.1f, of them agreeing with what was seen %.1f\n",
                    static_cast<double>(jugador.mundos) / t.size(),
                    static_cast<double>(jugador.coherentes) / t.size());
        if (jugador.pistas_rechazadas)
            std::printf("suggestions refused: %" PRIu64 "\n", jugador.pistas_rechazadas);
    }
    std::printf("seconds %.1f\n", segundos);
    std::fflush(stdout);
    return jugador.pistas_rechazadas == 0 ? 0 : 1;
}

} // namespace quimbel::sim
