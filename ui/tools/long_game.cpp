// SPDX-License-Identifier: GPL-3.0-or-later
// A long game on the real table window, to watch its memory: plays whole deals
// by clicks as a person would (the cards tried from the left, so that many are
// refused with the message box), with pauses of a millisecond or two, and
// prints the resident memory after every deal, with the heap in use (what the
// program holds; the rest of the resident memory is code, libraries and what
// the allocator keeps). At the end it prints the growth per deal over the last
// hundred deals: a least-squares slope, so that one step of the allocator does
// not read as a trend.
//
//   quimbel-long-game [--deals N] [--seed S] [--max-growth KB]
//
// With --max-growth it exits with status 1 when memory grows faster than that
// per deal. It runs on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise; scripts/measure_memory.sh runs it there or on Xvfb.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/random_source.h"
#include "ui/table_image.h"
#include "ui/table_window.h"

using namespace quimbel;

namespace {

long rss_kb() {
    std::ifstream estado("/proc/self/status");
    std::string linea;
    while (std::getline(estado, linea))
        if (linea.rfind("VmRSS:", 0) == 0) return std::atol(linea.c_str() + 6);
    return 0;
}

// kB per deal: the least-squares slope of the figures from `desde` on.
double pendiente(const std::vector<long>& kb, std::size_t desde) {
    const double n = static_cast<double>(kb.size() - desde);
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = desde; i < kb.size(); ++i) {
        const double x = static_cast<double>(i), y = static_cast<double>(kb[i]);
        sx += x, sy += y, sxx += x * x, sxy += x * y;
    }
    const double d = n * sxx - sx * sx;
    return d > 0 ? (n * sxy - sx * sy) / d : 0.0;
}

bool se_ve(const QWidget* w) {
    return w->isVisibleTo(w->window());
}
bool activo(const QWidget* w) {
    return se_ve(w) && w->isEnabled();
}

void pulsar(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// One whole deal: deal, group, then every trick. False if the table stopped
// offering what a deal needs.
bool jugar_una_mano(const ElementosMesa& e) {
    if (!activo(e.barajar)) return false;
    pulsar(e.barajar);
    if (!activo(e.ordenamelas)) return false;
    pulsar(e.ordenamelas);
    for (int baza = 0; activo(e.jugando); ++baza) {
        if (baza == bazas_por_reparto) return false;
        pulsar(e.jugando);
        for (int i = 1; i <= cartas_por_mano && !se_ve(e.centro[yo]); ++i)
            if (activo(e.manos[yo][i])) pulsar(e.manos[yo][i]);
        if (!activo(e.recoger)) return false;
        pulsar(e.recoger);
    }
    return activo(e.barajar);
}

[[noreturn]] void uso() {
    std::fprintf(stderr, "usage: quimbel-long-game [--deals N] [--seed S] [--max-growth KB]\n");
    std::exit(2);
}

// The offscreen platform says at every box that it cannot place windows.
void avisos_de_qt(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtWarningMsg && texto.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(tipo, contexto, texto)));
}

} // namespace

int main(int argc, char** argv) {
    long manos = 200;
    unsigned long long semilla = 1;
    double crecimiento_maximo = -1;
    for (int i = 1; i < argc; i += 2) {
        const std::string op = argv[i];
        if (i + 1 >= argc) uso();
        const char* valor = argv[i + 1];
        char* fin = nullptr;
        if (op == "--deals")
            manos = std::strtol(valor, &fin, 10);
        else if (op == "--seed")
            semilla = std::strtoull(valor, &fin, 10);
        else if (op == "--max-growth")
            crecimiento_maximo = std::strtod(valor, &fin);
        else
            uso();
        if (fin == valor || *fin != '\0') uso();
    }
    if (manos < 4 || manos > 100000) uso();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(avisos_de_qt);
    QApplication app(argc, argv);

    AzarGuionado azar(semilla);
    bool salio = false;
    VentanaMesa ventana(OpcionesMesa{IntervalosPausa{1, 2}, &azar, [&salio] { salio = true; }});
    ventana.show();
    if (!QTest::qWaitForWindowExposed(&ventana)) {
        std::fprintf(stderr, "quimbel-long-game: the window did not show\n");
        return 1;
    }

    // Each refusal's box is answered with OK as soon as it is up.
    int rechazos = 0;
    QTimer responder;
    QObject::connect(&responder, &QTimer::timeout, [&rechazos] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* caja = qobject_cast<QMessageBox*>(w);
            if (caja && caja->isVisible()) {
                ++rechazos;
                pulsar(caja->button(QMessageBox::Ok));
            }
        }
    });
    responder.start(1);

    std::vector<long> rss;
    for (long n = 1; n <= manos; ++n) {
        if (!jugar_una_mano(ventana.elementos()) || salio) {
            std::fprintf(stderr, "quimbel-long-game: deal %ld did not play through\n", n);
            return 1;
        }
        rss.push_back(rss_kb());
        std::printf("deal %ld rss %ld kB heap in use %zu kB\n", n, rss.back(),
                    mallinfo2().uordblks / 1024);
        std::fflush(stdout);
    }

    // After the warm-up of the first three deals, and over the last hundred at most.
    const std::size_t desde = std::max<std::size_t>(3, rss.size() > 100 ? rss.size() - 100 : 0);
    const double crecimiento = pendiente(rss, desde);
    const long tercera = rss[2];
    long sobre_tercera = 0;
    for (std::size_t i = 3; i < rss.size(); ++i)
        sobre_tercera = std::max(sobre_tercera, rss[i] - tercera);
    std::printf("deals %ld, refused cards %d\n", manos, rechazos);
    std::printf("rss at deal 3 %ld kB, at the end %ld kB, at most %+ld kB over deal 3\n", tercera,
                rss.back(), sobre_tercera);
    std::printf("growth per deal over deals %zu to %ld: %.2f kB\n", desde + 1, manos, crecimiento);
    if (crecimiento_maximo >= 0 && crecimiento > crecimiento_maximo) {
        std::fprintf(stderr,
                     "quimbel-long-game: memory grows %.2f kB a deal (at most %.2f allowed)\n",
                     crecimiento, crecimiento_maximo);
        return 1;
    }
    return 0;
}
