// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test but a measurement, run on purpose by scripts/measure_table.sh:
// the processor time the real window takes while its pauses wait, with the
// real 200 ms and 5000 ms timers. Disabled in the ordinary runs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "table_window_support.h"

TEST(Medida, DISABLED_CpuDeLasPausasReales) {
    quimbel::prueba::MesaEnPantalla t(1, quimbel::IntervalosPausa{});
    quimbel::PlataformaQt& p = t.ventana.plataforma();
    auto medir = [](const char* que, auto pausa) {
        auto cpu = [] {
            timespec ahora{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ahora);
            return static_cast<double>(ahora.tv_sec) + static_cast<double>(ahora.tv_nsec) * 1e-9;
        };
        const auto reloj0 = std::chrono::steady_clock::now();
        const double cpu0 = cpu();
        pausa();
        const double gastado = cpu() - cpu0;
        const double pared =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - reloj0).count();
        std::printf("%-28s %7.0f ms waited  %6.2f ms CPU  %5.2f%% of one core\n", que, pared * 1e3,
                    gastado * 1e3, 100.0 * gastado / pared);
        std::fflush(stdout);
    };
    // The first pause of each kind may end early (its timer has run since the
    // window was made); the second waits a whole interval.
    p.pausa_larga();
    medir("pausa_larga (Timer2):", [&] { p.pausa_larga(); });
    p.pausa_corta();
    medir("10 x pausa_corta (Timer1):", [&] {
        for (int i = 0; i < 10; ++i) p.pausa_corta();
    });
}
