// SPDX-License-Identifier: GPL-3.0-or-later
// The splash: how its two pictures move and bounce, and what a click on it
// does. The tests drive the timers' ticks themselves; nothing waits for time.
#include <gtest/gtest.h>

#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <array>

#include "ui/splash_window.h"

using namespace quimbel;

namespace {

// A splash on screen whose timers tick into the void, so that only the test
// moves the pictures. It counts how often it asked for the table.
struct SplashEnPantalla {
    int mesas_abiertas = 0;
    Presentacion ventana{[this] { ++mesas_abiertas; }};
    QSignalBlocker sin_timer1{ventana.findChild<QTimer*>("Timer1")};
    QSignalBlocker sin_timer2{ventana.findChild<QTimer*>("Timer2")};

    SplashEnPantalla() {
        ventana.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }
    QWidget* hijo(const char* nombre) { return ventana.findChild<QWidget*>(nombre); }
    // A left click at a point of the window, in the window's pixels.
    void pulsar_en(QPoint punto) {
        QWidget* w = ventana.childAt(punto);
        if (w == nullptr) w = &ventana;
        QTest::mouseClick(w, Qt::LeftButton, {}, w->mapFrom(&ventana, punto));
    }
};

} // namespace

TEST(PasoAnimacion, CadaBordeDaLaVueltaSoloAlEjeQueLoCruza) {
    const int d = ancho_presentacion - 2700, b = alto_presentacion - 2700;
    // left, top, dx, dy before the step, and after it.
    const int casos[][8] = {
        {d - 3, 500, 3, 3, d, 503, 3, 3},    // onto the right edge: not past it
        {d, 500, 3, 3, d + 3, 503, -3, 3},   // past the right edge
        {0, 500, -3, -3, -3, 497, 3, -3},    // the left
        {500, 0, 3, -3, 503, -3, 3, 3},      // the top
        {500, b, -3, 3, 497, b + 3, -3, -3}, // the bottom
        {d, b, 3, 3, d + 3, b + 3, -3, -3},  // a corner
    };
    for (const auto& c : casos) {
        CajaTwips caja{c[0], c[1], 2700, 2700};
        int dx = c[2], dy = c[3];
        paso_animacion(caja, dx, dy);
        EXPECT_EQ((std::array{caja.left, caja.top, dx, dy}), (std::array{c[4], c[5], c[6], c[7]}))
            << "from " << c[0] << ", " << c[1];
    }
}

TEST(Presentacion, LasFigurasSalenDeLasEsquinasYNuncaPasanUnBordeEnMasDeUnPaso) {
    SplashEnPantalla s;
    EXPECT_EQ(s.ventana.windowTitle(), QString("Quimbel (V1.0)"));
    EXPECT_EQ(s.ventana.size(), QSize(794, 575));
    EXPECT_EQ(s.hijo("Image2")->geometry(), QRect(326, 3, 150, 67));
    EXPECT_EQ(s.hijo("Image1")->geometry(), QRect(121, 72, 560, 472));
    // Only a corner of each moving picture shows.
    EXPECT_EQ(s.hijo("Picture1")->geometry(), QRect(-160, -161, 180, 180));
    EXPECT_EQ(s.hijo("Picture2")->geometry(), QRect(769, 547, 180, 190));

    // At the first step Picture1 goes on right and down; Picture2 moves on
    // past two edges first, and turns.
    s.ventana.Timer1_Timer();
    s.ventana.Timer2_Timer();
    const CajaTwips p1 = s.ventana.caja_picture1(), p2 = s.ventana.caja_picture2();
    EXPECT_EQ((std::array{p1.left, p1.top, s.ventana.dx1, s.ventana.dy1}),
              (std::array{-2397, -2412, 3, 3}));
    EXPECT_EQ((std::array{p2.left, p2.top, s.ventana.dx2, s.ventana.dy2}),
              (std::array{11538, 8208, -3, -3}));

    auto dentro = [](const CajaTwips& c, int margen) {
        return c.left >= -margen && c.top >= -margen &&
               c.left + c.width <= ancho_presentacion + margen &&
               c.top + c.height <= alto_presentacion + margen;
    };
    for (int figura = 1; figura <= 2; ++figura) {
        int entrada = 0, vueltas_x = 0, vueltas_y = 0;
        int dx = figura == 1 ? s.ventana.dx1 : s.ventana.dx2;
        int dy = figura == 1 ? s.ventana.dy1 : s.ventana.dy2;
        for (int tick = 1; tick <= 20000; ++tick) {
            figura == 1 ? s.ventana.Timer1_Timer() : s.ventana.Timer2_Timer();
            const CajaTwips c = figura == 1 ? s.ventana.caja_picture1() : s.ventana.caja_picture2();
            const int ndx = figura == 1 ? s.ventana.dx1 : s.ventana.dx2;
            const int ndy = figura == 1 ? s.ventana.dy1 : s.ventana.dy2;
            vueltas_x += ndx != dx;
            vueltas_y += ndy != dy;
            dx = ndx, dy = ndy;
            if (!entrada && dentro(c, 0)) entrada = tick;
            ASSERT_TRUE(!entrada || dentro(c, 3)) << figura << " at " << c.left << ", " << c.top;
        }
        // Wholly inside well before a thousand ticks (about a second); then it
        // bounced off every edge more than once.
        EXPECT_GT(entrada, 0);
        EXPECT_LT(entrada, 1000);
        EXPECT_GE(std::min(vueltas_x, vueltas_y), 4);
    }
}

TEST(Presentacion, SoloPicture2AbreLaMesaEstéDondeEsté) {
    SplashEnPantalla s;
    // The visible corner of Picture1, the logo, the rules panel, the bare window.
    for (QPoint p : {QPoint(10, 9), QPoint(400, 30), QPoint(400, 300), QPoint(780, 20)})
        s.pulsar_en(p);
    EXPECT_EQ(s.mesas_abiertas, 0);
    EXPECT_TRUE(s.ventana.isVisible());

    // Picture2 where it stands after a while, not where it started. The
    // widget follows its box at the next frame.
    for (int tick = 0; tick < 1500; ++tick) s.ventana.Timer2_Timer();
    const QRect donde = en_pixeles(s.ventana.caja_picture2());
    for (int i = 0; i < 100 && s.hijo("Picture2")->geometry() != donde; ++i) QTest::qWait(10);
    ASSERT_EQ(s.hijo("Picture2")->geometry(), donde);
    ASSERT_TRUE(s.ventana.rect().contains(donde.center()));
    s.pulsar_en(donde.center());
    EXPECT_EQ(s.mesas_abiertas, 1);
    EXPECT_FALSE(s.ventana.isVisible());
}

TEST(Presentacion, ReturnAbreLaMesaUnaSolaVezYOcultaDejaDeAnimar) {
    // The table's load pauses with the events flowing: a second click can
    // arrive inside the first one.
    int mesas = 0;
    Presentacion* splash = nullptr;
    Presentacion ventana{[&] {
        if (++mesas == 1) splash->Picture2_Click();
    }};
    splash = &ventana;
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    EXPECT_TRUE(ventana.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_TRUE(ventana.findChild<QTimer*>("Timer2")->isActive());
    // Picture2 holds the focus from the start: Return starts the game.
    QWidget* picture2 = ventana.findChild<QWidget*>("Picture2");
    ASSERT_EQ(ventana.focusWidget(), picture2);
    QTest::keyClick(picture2, Qt::Key_Return);
    EXPECT_EQ(mesas, 1);
    EXPECT_FALSE(ventana.isVisible());
    // Hidden, it burns no time on ticks nobody sees.
    EXPECT_FALSE(ventana.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(ventana.findChild<QTimer*>("Timer2")->isActive());
}
