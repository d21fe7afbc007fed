// SPDX-License-Identifier: GPL-3.0-or-later
// Quimbel: the splash window first; its "EMPEZAR A JUGAR" picture opens the
// table window, and the event loop runs until SALIR or the table's close button
// ends the game.
#include <QApplication>
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

    // The table is made at the first click on Picture2, and its load runs then.
    std::unique_ptr<quimbel::VentanaMesa> mesa;
    quimbel::Presentacion presentacion([&mesa] {
        if (!mesa) mesa = std::make_unique<quimbel::VentanaMesa>();
        // Nothing can end the game while the table loads, but should it, the
        // program is already leaving and the table is not shown.
        if (!mesa->terminado()) mesa->show();
    });
    presentacion.show();
    return app.exec();
}
