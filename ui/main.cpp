// Quimbel: the table window, then the event loop until SALIR or the window's
// close button ends the game.
#include <QApplication>

#include "ui/table_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Message boxes take the program's name as their title.
    QApplication::setApplicationName(QStringLiteral("Quimbel"));

    quimbel::VentanaMesa mesa;
    // Nothing can end the game while the table loads, but should it, the
    // event loop must not start.
    if (mesa.terminado()) return 0;
    mesa.show();
    return app.exec();
}
