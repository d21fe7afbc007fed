// Writes the game's icon as a PNG file for the desktop's icon theme, from the
// very drawing the windows use:  quimbel-icon-export OUT.png [SIZE]
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "ui/pictures/pictures.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT.png [SIZE]\n", argv[0]);
        return 2;
    }
    const int lado = argc == 3 ? std::atoi(argv[2]) : 32;
    if (lado < 16 || lado > 512) {
        std::fprintf(stderr, "%s: the size must be 16 to 512 pixels\n", argv[0]);
        return 2;
    }
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QPixmap icono = quimbel::dibujos::icono().pixmap(QSize(lado, lado), 1.0);
    if (icono.isNull() || !icono.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
