// SPDX-License-Identifier: GPL-3.0-or-later
// The processor time the real table window takes while its pauses wait, with
// the real 200 ms and 5000 ms timers: one long pause and ten short ones, each
// printed on a line of its own. scripts/measure_table.sh runs it on its
// virtual screen.
//
//   quimbel-pause-cpu
#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "ui/table_window.h"

using namespace quimbel;

namespace {

double cpu_s() {
    timespec ahora{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ahora);
    return static_cast<double>(ahora.tv_sec) + static_cast<double>(ahora.tv_nsec) * 1e-9;
}

template <typename Pausa> void medir(const char* que, Pausa pausa) {
    const auto reloj0 = std::chrono::steady_clock::now();
    const double cpu0 = cpu_s();
    pausa();
    const double gastado = cpu_s() - cpu0;
    const double pared =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - reloj0).count();
    std::printf("%-28s %7.0f ms waited  %6.2f ms CPU  %5.2f%% of one core\n", que, pared * 1e3,
                gastado * 1e3, 100.0 * gastado / pared);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 1) {
        std::fprintf(stderr, "usage: quimbel-pause-cpu\n");
        return 2;
    }
    QApplication app(argc, argv);
    VentanaMesa ventana(OpcionesMesa{});
    ventana.show();
    if (!QTest::qWaitForWindowExposed(&ventana)) {
        std::fprintf(stderr, "quimbel-pause-cpu: the window did not show\n");
        return 1;
    }
    PlataformaQt& p = ventana.plataforma();
    // The first pause of each kind may end early (its timer has run since the
    // window was made); the second waits a whole interval.
    p.pausa_larga();
    medir("pausa_larga (Timer2):", [&] { p.pausa_larga(); });
    p.pausa_corta();
    medir("10 x pausa_corta (Timer1):", [&] {
        for (int i = 0; i < 10; ++i) p.pausa_corta();
    });
    return 0;
}
