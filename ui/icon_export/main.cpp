// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's icon for the desktop's hicolor icon theme, from the very
// drawing the windows use: a PNG painted at each size asked for, and a
// scalable SVG of the same drawing.
//   quimbel-icon-export DIR NAME SIZE...
// writes DIR/<SIZE>x<SIZE>/apps/NAME.png for each size and
// DIR/scalable/apps/NAME.svg.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/pictures/pictures.h"

namespace {

// The SVG's own square: big enough that every detail of the pips is drawn.
constexpr int lado_svg = 256;

bool escribir(const QString& ruta, const QByteArray& datos) {
    QSaveFile f(ruta);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(datos) == datos.size() &&
           f.commit();
}

QByteArray svg() {
    QBuffer buffer;
    QSvgGenerator gen;
    gen.setOutputDevice(&buffer);
    gen.setSize(QSize(lado_svg, lado_svg));
    gen.setViewBox(QRect(0, 0, lado_svg, lado_svg));
    gen.setTitle(QStringLiteral("Quimbel"));
    gen.setDescription(QStringLiteral("A fan of three Spanish cards: espadas, copas and oros"));
    {
        QPainter p(&gen);
        p.setRenderHint(QPainter::Antialiasing);
        quimbel::dibujos::pintar_icono(p, lado_svg);
    }
    // The generator gives the size in millimetres; an icon's is in pixels.
    QByteArray datos = buffer.data();
    static const QRegularExpression mm(QStringLiteral("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
    return QString::fromUtf8(datos)
        .replace(mm, QStringLiteral("width=\"%1\" height=\"%1\"").arg(lado_svg))
        .toUtf8();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString raiz = QString::fromLocal8Bit(argv[1]);
    const QString nombre = QString::fromLocal8Bit(argv[2]);

    auto guardar = [&](const QString& carpeta, const QString& fichero, const QByteArray& datos) {
        const QString dir = raiz + QLatin1Char('/') + carpeta + QStringLiteral("/apps");
        if (QDir().mkpath(dir) && escribir(dir + QLatin1Char('/') + fichero, datos)) return true;
        std::fprintf(stderr, "%s: cannot write %s in %s\n", argv[0], qPrintable(fichero),
                     qPrintable(dir));
        return false;
    };
    for (int i = 3; i < argc; ++i) {
        bool numero = false;
        const int lado = QString::fromLocal8Bit(argv[i]).toInt(&numero);
        if (!numero || lado < 16 || lado > 512) {
            std::fprintf(stderr, "%s: a size is 16 to 512 pixels, not \"%s\"\n", argv[0], argv[i]);
            return 2;
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!quimbel::dibujos::icono(lado).save(&buffer, "PNG") ||
            !guardar(QStringLiteral("%1x%1").arg(lado), nombre + QStringLiteral(".png"), png))
            return 1;
    }
    return guardar(QStringLiteral("scalable"), nombre + QStringLiteral(".svg"), svg()) ? 0 : 1;
}
