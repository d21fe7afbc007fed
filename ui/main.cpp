// SPDX-License-Identifier: GPL-3.0-or-later
// Quimbel: the splash window first; its "EMPEZAR A JUGAR" picture opens the
// table window, and the event loop runs until SALIR or the table's close button
// ends the game.
#include <QApplication>
#include <QTimer>
#include <memory>

#include "ui/command_line.h"
#include "ui/display_required.h"
#include "ui/splash_window.h"
#include "ui/table_window.h"

int main(int argc, char** argv) {
    // --help and --version answer without a display.
    if (const auto salida = quimbel::presentarse(argc, argv)) return *salida;
    quimbel::vigilar_arranque(); // without a display: a line of our own and status 1
    QApplication app(argc, argv);
    quimbel::arranque_hecho();

    // The table is made, and its load (with its short pause) run, behind the
    // splash as soon as the splash is up, so that Picture2 only has to show
    // it. Picture2 pressed during the load shows it when the load ends.
    std::unique_ptr<quimbel::VentanaMesa> mesa;
    bool cargando = false, pedida = false;
    auto mostrar = [&mesa] {
        // Nothing can end the game while the table loads, but should it, the
        // program is already leaving and the table is not shown.
        if (!mesa->terminado()) mesa->show();
    };
    auto preparar = [&] {
        if (mesa || cargando) return;
        cargando = true;
        auto hecha = std::make_unique<quimbel::VentanaMesa>();
        mesa = std::move(hecha);
        cargando = false;
        if (pedida) mostrar();
    };
    quimbel::Presentacion presentacion([&] {
        pedida = true;
        preparar();
        if (mesa) mostrar();
    });
    presentacion.show();
    QTimer::singleShot(0, &presentacion, preparar);
    return app.exec();
}
