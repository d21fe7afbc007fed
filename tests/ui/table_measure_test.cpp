// Not a test but a measurement, run on purpose by scripts/measure_table.sh:
// the processor time the real window takes while its pauses wait, with the
// real 200 ms and 5000 ms timers. Disabled in the ordinary runs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "table_window_support.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

double segundos_de_cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <typename Pausa>
void medir(const char* que, Pausa pausa) {
    const auto reloj0 = std::chrono::steady_clock::now();
    const double cpu0 = segundos_de_cpu();
    pausa();
    const double cpu = segundos_de_cpu() - cpu0;
    const double pared =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - reloj0).count();
    std::printf("%-28s %7.0f ms waited  %6.2f ms CPU  %5.2f%% of one core\n", que, pared * 1e3,
                cpu * 1e3, 100.0 * cpu / pared);
    std::fflush(stdout);
}

} // namespace

TEST(Medida, DISABLED_CpuDeLasPausasReales) {
    MesaEnPantalla t(1, IntervalosPausa{});
    PlataformaQt& p = t.ventana.plataforma();
    // The first pause of each kind may end early (its timer has run since the
    // window was made); the second waits a whole interval.
    p.pausa_larga();
    medir("pausa_larga (Timer2):", [&] { p.pausa_larga(); });
    p.pausa_corta();
    medir("10 x pausa_corta (Timer1):", [&] {
        for (int i = 0; i < 10; ++i) p.pausa_corta();
    });
}
