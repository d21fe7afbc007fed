// SPDX-License-Identifier: GPL-3.0-or-later
// Not a check but the pictures to look at, written only when asked for by
// scripts/screenshots.sh (QUIMBEL_SCREENSHOTS=folder): every picture side by
// side and the splash, at scale 1; the table in the middle of a trick at the
// scale the run was started with (the file name gets "@2x" at double scale).
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalBlocker>
#include <cstdlib>
#include <vector>

#include "table_window_support.h"
#include "ui/pictures/pictures.h"
#include "ui/splash_window.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

// Every picture laid out on the felt, with a few faces at twice their size at
// the end to judge the detail.
QImage hoja_de_contactos() {
    using namespace quimbel::dibujos;
    std::vector<std::pair<QPixmap, QSize>> todos;
    for (int n = 1; n <= 40; ++n) todos.push_back({carta(n), {60, 81}});
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

} // namespace

TEST(Capturas, CuandoSePiden) {
    const char* carpeta = std::getenv("QUIMBEL_SCREENSHOTS");
    if (!carpeta || !*carpeta) GTEST_SKIP() << "QUIMBEL_SCREENSHOTS not set";
    const QString en = QString::fromLocal8Bit(carpeta) + QLatin1Char('/');
    const QString escala = qApp->devicePixelRatio() > 1 ? QStringLiteral("@2x") : QString();

    // The right seat leads: its card, the partner's and the left seat's are on
    // the table, the focus waits on the human's first card and the hint (P)
    // marks the card it suggests.
    {
        MesaEnPantalla t(3);
        QApplication::setActiveWindow(&t.ventana);
        for (QWidget* b : {t.e().barajar, t.e().ordenamelas, t.e().jugando}) t.pulsar(b);
        ASSERT_EQ(t.controles(), "yo Command2");
        QTest::keyClick(&t.ventana, Qt::Key_P);
        EXPECT_TRUE(t.ventana.grab().save(en + "screenshot-table" + escala + ".png"));
    }

    if (!escala.isEmpty()) return;
    EXPECT_TRUE(hoja_de_contactos().save(en + "contact-sheet.png"));

    // The splash with its two pictures over the rules.
    Presentacion splash{[] {}};
    const QSignalBlocker quietos[] = {QSignalBlocker(splash.findChild<QTimer*>("Timer1")),
                                      QSignalBlocker(splash.findChild<QTimer*>("Timer2"))};
    for (int i = 0; i < 1965; ++i) splash.Timer1_Timer();
    for (int i = 0; i < 1112; ++i) splash.Timer2_Timer();
    splash.colocar_figuras();
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    EXPECT_TRUE(splash.grab().save(en + "screenshot-splash.png"));
}
