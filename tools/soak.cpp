// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/soak.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/random_source.h"
#include "tools/options.h"
#include "tools/random_script.h"

namespace quimbel::sim {

namespace {

// The first line where two traces part.
std::string primera_diferencia(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    long linea = 1;
    while (i < a.size() && i < b.size() && a[i] == b[i]) linea += a[i++] == '\n';
    return "output line " + std::to_string(linea);
}

} // namespace

int soak(std::span<char* const> argumentos) {
    std::uint64_t guiones = 1000;
    std::uint64_t repartos = 12;
    std::uint64_t semilla = 1;
    OpcionNumerica opciones[] = {{"--scripts", &guiones, 1, 100000000},
                                 {"--deals", &repartos, 1, 100000},
                                 {"--seed", &semilla, 0, UINT64_MAX}};
    if (std::string e = leer_opciones(argumentos, opciones); !e.empty()) {
        std::fprintf(stderr, "quimbel-sim soak: %s\n", e.c_str());
        return 2;
    }

    Cuenta cuenta;
    std::uint64_t estado = semilla;
    for (std::uint64_t k = 1; k <= guiones; ++k) {
        std::string cabecera = "# quimbel-sim soak --seed " + std::to_string(semilla) +
                               " --deals " + std::to_string(repartos) + ": script " +
                               std::to_string(k) + "\n";
        Partida partida(splitmix64(estado), repartos, cabecera, cuenta);
        bool bien = partida.jugar();
        std::string que = partida.que_fallo();
        long linea = partida.linea_fallo();
        if (bien) {
            // The script read back through the driver must replay the same trace.
            Traza repeticion;
            FinGuion fin = correr_guion(partida.guion(), repeticion);
            if (fin.estado != 0) {
                bien = false;
                que = "the script does not read back: " + fin.error;
            } else if (repeticion.texto() != partida.traza()) {
                bien = false;
                que = "the replayed script gives another trace, from " +
                      primera_diferencia(repeticion.texto(), partida.traza());
            }
        }
        if (bien) continue;

        std::filesystem::path ruta =
            std::filesystem::temp_directory_path() /
            ("quimbel-soak-" + std::to_string(semilla) + "-" + std::to_string(k) + ".script");
        std::ofstream(ruta) << partida.guion();
        std::printf("script %" PRIu64 " failed at line %ld: %s\n", k, linea, que.c_str());
        std::printf("written to %s (replay: quimbel-sim script < %s)\n", ruta.c_str(),
                    ruta.c_str());
        std::printf("%" PRIu64 " passed, 1 failed\n", k - 1);
        std::fflush(stdout);
        return 1;
    }
    std::printf("deals %" PRIu64 " matches %" PRIu64 " commands %" PRIu64 " refused %" PRIu64
                " ignored %" PRIu64 "\n",
                cuenta.repartos, cuenta.partidas, cuenta.ordenes, cuenta.rechazos,
                cuenta.ignoradas);
    std::printf("%" PRIu64 " passed, 0 failed\n", guiones);
    std::fflush(stdout);
    return 0;
}

} // namespace quimbel::sim
