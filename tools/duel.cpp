// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/duel.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
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
#include "tools/shown_text.h"

namespace quimbel::sim {

namespace {

// A policy of the human's seat: the first accepted card, a random accepted
// card, or the hint's card under one of its searches.
struct Politica {
    enum Tipo { first, random, hint } tipo = first;
    consejo::Busqueda busqueda = consejo::Ajustes{}.busqueda;
    std::string nombre = "first";
};

constexpr std::string_view ayuda_politica =
    "first, random, hint, or hint-SEARCH (SEARCH: v1, sampling, flat, ismcts)";

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
    Jugador(Politica politica, std::uint64_t semilla, int muestras, int presupuesto)
        : politica_(std::move(politica)), dado_(semilla ^ 0x5DEECE66DULL), muestras_(muestras),
          presupuesto_(presupuesto) {}

    // Play the human's card of this trick; false when none was accepted.
    bool jugar(Mesa& m) {
        switch (politica_.tipo) {
        case Politica::first: return jugar_primera_aceptada(m) != 0;
        case Politica::random: return jugar_al_azar(m);
        case Politica::hint: break;
        }
        return jugar_pista(m);
    }

    const Politica& politica() const { return politica_; }
    std::vector<double> tiempos; // seconds per suggestion
    std::uint64_t pistas_rechazadas = 0;
    std::uint64_t mundos = 0, coherentes = 0; // worlds played out, and those that agree

  private:
    // The slots in a random order, the first accepted played: each card the
    // rules accept is equally likely.
    bool jugar_al_azar(Mesa& m) {
        int huecos[cartas_por_mano];
        for (int n = 0; n < cartas_por_mano; ++n) {
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
        consejo::Ajustes ajustes;
        ajustes.muestras = muestras_;
        ajustes.presupuesto = presupuesto_;
        ajustes.semilla = dado_.siguiente();
        ajustes.busqueda = politica_.busqueda;
        const consejo::Pista pista = consejo::pedir_pista(m, ajustes);
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
    int presupuesto_;
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

std::uint64_t mezclar(std::uint64_t a, std::uint64_t b) {
    std::uint64_t s = a ^ (b * 0xD1B54A32D192ED03ULL);
    return splitmix64(s);
}

// One policy's matches, and what they came to.
struct Lado {
    explicit Lado(Jugador j) : jugador(std::move(j)), m(plataforma, azar) { plataforma.mesa = &m; }
    Jugador jugador;
    PlataformaDuelo plataforma;
    AzarGuionado azar;
    Mesa m;
    std::uint64_t ganadas = 0, repartos = 0;
    std::vector<bool> gano; // match by match
};

// Match n from its own seeds, on a table laid afresh: its first leader drawn
// from the match's seed, each deal shuffled from the deal's. Two policies get
// the same deals, and the same game draws until their cards differ.
bool jugar_partida(Lado& lado, std::uint64_t semilla, std::uint64_t n) {
    Mesa& m = lado.m;
    m = Mesa(lado.plataforma, lado.azar);
    const std::uint64_t de_partida = mezclar(semilla, n);
    lado.azar.sembrar(de_partida);
    Form_Load(m);
    lado.plataforma.fin = 0;
    for (std::uint64_t reparto = 1; lado.plataforma.fin == 0; ++reparto) {
        lado.azar.sembrar(mezclar(de_partida, reparto));
        if (const char* fallo = jugar_reparto(m, lado.jugador)) {
            std::fprintf(stderr, "quimbel-sim duel: the table stopped: %s in match %" PRIu64 "\n",
                         fallo, n + 1);
            return false;
        }
        ++lado.repartos;
    }
    lado.gano.push_back(lado.plataforma.fin > 0);
    lado.ganadas += lado.plataforma.fin > 0;
    return true;
}

// The 95% interval of a proportion (Wilson's).
void intervalo(std::uint64_t exitos, std::uint64_t n, double& bajo, double& alto) {
    const double z = 1.959964, p = static_cast<double>(exitos) / n, nn = static_cast<double>(n);
    const double centro = (p + z * z / (2 * nn)) / (1 + z * z / nn);
    const double radio = z * std::sqrt(p * (1 - p) / nn + z * z / (4 * nn * nn)) / (1 + z * z / nn);
    bajo = centro - radio;
    alto = centro + radio;
}

void informar(const Lado& lado, std::uint64_t partidas, int muestras, int presupuesto) {
    const Politica& politica = lado.jugador.politica();
    double bajo = 0, alto = 0;
    intervalo(lado.ganadas, partidas, bajo, alto);
    const double np = static_cast<double>(partidas), nr = static_cast<double>(lado.repartos);
    const PlataformaDuelo& p = lado.plataforma;
    std::printf("human %s: won %" PRIu64 " lost %" PRIu64
                ": %.1f%% (95%% interval %.1f%% to %.1f%%)\n",
                politica.nombre.c_str(), lado.ganadas, partidas - lado.ganadas,
                100.0 * lado.ganadas / np, 100 * bajo, 100 * alto);
    std::printf("  games per match: nosotros %.2f ellos %.2f\n", p.juegos_nosotros / np,
                p.juegos_ellos / np);
    std::printf("  card points per deal: nosotros %.1f ellos %.1f (%" PRIu64 " deals)\n",
                p.puntos_nosotros / nr, p.puntos_ellos / nr, lado.repartos);
    std::vector<double> t = lado.jugador.tiempos;
    if (politica.tipo != Politica::hint || t.empty()) return;
    std::sort(t.begin(), t.end());
    const bool por_mundos = politica.busqueda == consejo::Busqueda::v1 ||
                            politica.busqueda == consejo::Busqueda::muestreo;
    std::printf("  suggestions %zu (%s %d): median %.1f ms, max %.1f ms\n", t.size(),
                por_mundos ? "samples" : "budget", por_mundos ? muestras : presupuesto,
                1000 * t[t.size() / 2], 1000 * t.back());
    const double ns = static_cast<double>(t.size());
    std::printf("  worlds per suggestion %.1f, of them agreeing with what was seen %.1f\n",
                static_cast<double>(lado.jugador.mundos) / ns,
                static_cast<double>(lado.jugador.coherentes) / ns);
    if (lado.jugador.pistas_rechazadas)
        std::printf("  suggestions refused: %" PRIu64 "\n", lado.jugador.pistas_rechazadas);
}

// The paired difference in matches won, a minus b, with its 95% interval
// (the normal one, on the match-by-match differences).
void comparar(const Lado& a, const Lado& b) {
    const std::size_t n = a.gano.size();
    std::uint64_t solo_a = 0, solo_b = 0;
    for (std::size_t i = 0; i < n; ++i) {
        solo_a += a.gano[i] && !b.gano[i];
        solo_b += b.gano[i] && !a.gano[i];
    }
    const double nn = static_cast<double>(n);
    const double media = (static_cast<double>(solo_a) - static_cast<double>(solo_b)) / nn;
    const double cuadrados = static_cast<double>(solo_a + solo_b) / nn;
    const double varianza = n > 1 ? (cuadrados - media * media) * nn / (nn - 1) : 0;
    const double radio = 1.959964 * std::sqrt(varianza / nn);
    std::printf("paired difference %s - %s: %+.1f points (95%% interval %+.1f to %+.1f); "
                "won only by %s %" PRIu64 ", only by %s %" PRIu64 "\n",
                a.jugador.politica().nombre.c_str(), b.jugador.politica().nombre.c_str(),
                100 * media, 100 * (media - radio), 100 * (media + radio),
                a.jugador.politica().nombre.c_str(), solo_a, b.jugador.politica().nombre.c_str(),
                solo_b);
}

// Reads a policy's name.
std::string leer_politica(std::string_view nombre, Politica& politica) {
    politica.nombre = std::string(nombre);
    if (nombre == "first")
        politica.tipo = Politica::first;
    else if (nombre == "random")
        politica.tipo = Politica::random;
    else if (nombre == "hint")
        politica.tipo = Politica::hint;
    else if (nombre.starts_with("hint-")) {
        const std::string_view busqueda = nombre.substr(5);
        auto it = std::find(std::begin(consejo::nombres_busqueda),
                            std::end(consejo::nombres_busqueda), busqueda);
        if (it == std::end(consejo::nombres_busqueda)) return "bad";
        politica.tipo = Politica::hint;
        politica.busqueda =
            static_cast<consejo::Busqueda>(it - std::begin(consejo::nombres_busqueda));
    } else {
        return "bad";
    }
    return {};
}

// Takes `--NAME POLICY` (or `--NAME=POLICY`) out of the arguments.
std::string sacar_politica(std::vector<char*>& argumentos, std::string_view opcion,
                           Politica& politica, bool& dada) {
    const std::string con_igual = std::string(opcion) + "=";
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::string_view arg = argumentos[i];
        std::string_view nombre;
        std::size_t quitar = 1;
        if (arg == opcion) {
            if (i + 1 >= argumentos.size())
                return "option " + std::string(opcion) + " needs " + std::string(ayuda_politica);
            nombre = argumentos[i + 1];
            quitar = 2;
        } else if (arg.starts_with(con_igual)) {
            nombre = arg.substr(con_igual.size());
        } else {
            continue;
        }
        if (!leer_politica(nombre, politica).empty())
            return "option " + std::string(opcion) + " needs " + std::string(ayuda_politica) +
                   ", not " + entre_comillas(nombre);
        dada = true;
        argumentos.erase(argumentos.begin() + static_cast<std::ptrdiff_t>(i),
                         argumentos.begin() + static_cast<std::ptrdiff_t>(i + quitar));
        --i;
    }
    return {};
}

} // namespace

int duel(std::span<char* const> argumentos) {
    std::uint64_t partidas = 2000, semilla = 1, muestras = consejo::muestras_por_defecto,
                  presupuesto = consejo::presupuesto_por_defecto;
    Politica politica, contra;
    bool con_contra = false, dada = false;
    std::vector<char*> resto(argumentos.begin(), argumentos.end());
    std::string error = sacar_politica(resto, "--human", politica, dada);
    if (error.empty()) error = sacar_politica(resto, "--versus", contra, con_contra);
    OpcionNumerica opciones[] = {{"--matches", &partidas, 1, 10000000},
                                 {"--seed", &semilla, 0, UINT64_MAX},
                                 {"--samples", &muestras, 1, 100000},
                                 {"--budget", &presupuesto, 1, 10000000}};
    if (error.empty()) error = leer_opciones(resto, opciones);
    if (!error.empty()) {
        std::fprintf(stderr, "quimbel-sim duel: %s\n", error.c_str());
        return 2;
    }

    const int k = static_cast<int>(muestras), b = static_cast<int>(presupuesto);
    // Each side's table points at its platform and source: the sides stay put.
    std::vector<std::unique_ptr<Lado>> lados;
    lados.push_back(std::make_unique<Lado>(Jugador(politica, semilla, k, b)));
    if (con_contra) lados.push_back(std::make_unique<Lado>(Jugador(contra, semilla, k, b)));

    const double inicio = segundos_de_proceso();
    for (std::uint64_t n = 0; n < partidas; ++n)
        for (auto& lado : lados)
            if (!jugar_partida(*lado, semilla, n)) return 1;
    const double segundos = segundos_de_proceso() - inicio;

    std::printf("matches %" PRIu64 ", seed %" PRIu64 "%s\n", partidas, semilla,
                con_contra ? ", the same deals under both policies" : "");
    for (const auto& lado : lados) informar(*lado, partidas, k, b);
    if (con_contra) comparar(*lados[0], *lados[1]);
    std::printf("seconds %.1f\n", segundos);
    std::fflush(stdout);
    for (const auto& lado : lados)
        if (lado->jugador.pistas_rechazadas) return 1;
    return 0;
}

} // namespace quimbel::sim
