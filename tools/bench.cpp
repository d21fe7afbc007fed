// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bench.h"

#include <cinttypes>
#include <cstdio>
#include <ctime>

#include "core/deal.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "core/table.h"
#include "handlers/play_out.h"
#include "tools/options.h"

namespace quimbel::sim {

namespace {

constexpr std::uint64_t fnv_base = 0xcbf29ce484222325ULL;
constexpr std::uint64_t fnv_primo = 0x100000001b3ULL;

// Pauses take no time and messages go nowhere; only the cards put on the
// table and the match banners are counted.
class PlataformaBench final : public PlataformaMuda {
  public:
    void carta_puesta(int, int codigo) override {
        firma = (firma ^ static_cast<std::uint8_t>(codigo)) * fnv_primo;
    }
    void anuncio_mostrado(Anuncio a) override {
        if (a == Anuncio::ganpartida || a == Anuncio::perpartida) ++partidas;
    }

    std::uint64_t firma = fnv_base;
    std::uint64_t partidas = 0;
};

} // namespace

MedidaBench correr_bench(std::uint64_t repartos, std::uint64_t semilla) {
    PlataformaBench plataforma;
    AzarGuionado azar(semilla);
    Mesa m(plataforma, azar);
    MedidaBench medida;

    // The processor time of this process, not the wall clock: the machine is
    // shared, and the figure is the speed of one core running the game.
    const std::clock_t inicio = std::clock();
    Form_Load(m);
    // Whole deals, the human playing the first card the obligations accept.
    while (medida.repartos < repartos) {
        int bazas = 0;
        const char* fallo = jugar_reparto(m, bazas);
        medida.bazas += static_cast<std::uint64_t>(bazas);
        if (fallo) {
            medida.fallo = std::string(fallo) + " in deal " + std::to_string(medida.repartos + 1);
            return medida;
        }
        ++medida.repartos;
    }
    medida.segundos = static_cast<double>(std::clock() - inicio) / CLOCKS_PER_SEC;
    medida.firma = plataforma.firma;
    medida.partidas = plataforma.partidas;
    return medida;
}

int bench(std::span<char* const> argumentos) {
    std::uint64_t repartos = 100000;
    std::uint64_t semilla = 1;
    OpcionNumerica opciones[] = {{"--deals", &repartos, 1, 1000000000},
                                 {"--seed", &semilla, 0, UINT64_MAX}};
    if (std::string e = leer_opciones(argumentos, opciones); !e.empty()) {
        std::fprintf(stderr, "quimbel-sim bench: %s\n", e.c_str());
        return 2;
    }
    MedidaBench medida = correr_bench(repartos, semilla);
    if (!medida.fallo.empty()) {
        std::fprintf(stderr, "quimbel-sim bench: the table stopped: %s\n", medida.fallo.c_str());
        return 1;
    }
    const double por_segundo =
        medida.segundos > 0 ? static_cast<double>(medida.repartos) / medida.segundos : 0;
    std::printf("deals %" PRIu64 " tricks %" PRIu64 " matches %" PRIu64 "\n", medida.repartos,
                medida.bazas, medida.partidas);
    std::printf("signature %016" PRIx64 "\n", medida.firma);
    std::printf("deals/s %.0f\n", por_segundo);
    std::fflush(stdout);
    return 0;
}

} // namespace quimbel::sim
