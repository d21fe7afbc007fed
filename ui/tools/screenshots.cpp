// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures in docs/ from the game's own code: every picture side by
// side, the splash and the analysis (key A), at scale 1; the table in the middle of a trick at the
// scale the run was started with (QT_SCALE_FACTOR; the file name gets "@2x" at
// double scale). scripts/screenshots.sh runs it at both scales.
//
//   quimbel-screenshots FOLDER
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "core/cards.h"
#include "core/random_source.h"
#include "ui/pictures/pictures.h"
#include "ui/splash_window.h"
#include "ui/table_image.h"
#include "ui/table_window.h"

using namespace quimbel;

namespace {

// Every picture laid out on the felt, with a few faces at twice their size at
// the end to judge the detail.
QImage hoja_de_contactos() {
    using namespace quimbel::dibujos;
    std::vector<std::pair<QPixmap, QSize>> todos;
    for (int n = 1; n <= num_cartas; ++n) todos.push_back({carta(n), {60, 81}});
    for (QPixmap pm : {dorso(), marcador(), icono().pixmap(32, 32), icono().pixmap(16, 16), logo(),
                       mesita(), empezar()})
        todos.push_back({pm, pm.size()});
    for (int a = 0; a < num_anuncios; ++a)
        todos.push_back({anuncio(Anuncio(a)), tam_anuncio(Anuncio(a))});
    todos.push_back({reglas(), {560, 472}});
    for (int n : {1, 6, 12, 28, 31, 36, 19, 40}) todos.push_back({carta(n, 2.0), {120, 162}});

    QImage hoja(1600, 2000, QImage::Format_ARGB32_Premultiplied);
    hoja.fill(QColor(0, 128, 0));
    QPainter p(&hoja);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    int x = 0, y = 0, alto = 0;
    for (const auto& [pm, tam] : todos) {
        if (x + tam.width() > 1600) x = 0, y += alto + 6, alto = 0;
        p.drawPixmap(QRect(QPoint(x + 6, y + 6), tam), pm);
        x += tam.width() + 6;
        alto = std::max(alto, tam.height());
    }
    return hoja.copy(0, 0, 1600, y + alto + 12);
}

// The right seat leads (seed 3): its card, the partner's and the left seat's
// are on the table, the focus waits on the human's first card and the hint
// (P) marks the card it suggests, or the analysis (A) writes each playable
// card's chance. False if the table did not get there.
bool mesa_en_medio_de_una_baza(const QString& fichero, Qt::Key tecla = Qt::Key_P,
                               std::uint64_t semilla = 3) {
    AzarGuionado azar(semilla);
    VentanaMesa ventana(OpcionesMesa{IntervalosPausa{1, 2}, &azar, [] {}});
    ventana.show();
    if (!QTest::qWaitForWindowExposed(&ventana)) return false;
    ventana.activateWindow();
    if (!QTest::qWaitForWindowActive(&ventana)) return false;
    const ElementosMesa& e = ventana.elementos();
    for (QWidget* b : {e.barajar, e.ordenamelas, e.jugando})
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    if (!e.manos[yo][1]->isEnabled() || e.recoger->isEnabled()) return false;
    QTest::keyClick(&ventana, tecla);
    return ventana.grab().save(fichero);
}

// The splash with its two pictures over the rules.
bool presentacion(const QString& fichero) {
    Presentacion splash{[] {}};
    const QSignalBlocker quietos[] = {QSignalBlocker(splash.findChild<QTimer*>("Timer1")),
                                      QSignalBlocker(splash.findChild<QTimer*>("Timer2"))};
    for (int i = 0; i < 1965; ++i) splash.Timer1_Timer();
    for (int i = 0; i < 1112; ++i) splash.Timer2_Timer();
    splash.colocar_figuras();
    splash.show();
    return QTest::qWaitForWindowExposed(&splash) && splash.grab().save(fichero);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quimbel-screenshots FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString en = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString escala = app.devicePixelRatio() > 1 ? QStringLiteral("@2x") : QString();

    bool bien = mesa_en_medio_de_una_baza(en + "screenshot-table" + escala + ".png");
    if (escala.isEmpty())
        bien = hoja_de_contactos().save(en + "contact-sheet.png") &&
               presentacion(en + "screenshot-splash.png") &&
               mesa_en_medio_de_una_baza(en + "screenshot-analysis.png", Qt::Key_A, 17) && bien;
    if (!bien) {
        std::fprintf(stderr, "quimbel-screenshots: could not draw every picture into %s\n",
                     argv[1]);
        return 1;
    }
    return 0;
}
