// The splash: how its two pictures move and bounce, and what a click on it
// does. The tests drive the timers' ticks themselves; nothing waits for time.
#include <gtest/gtest.h>

#include <QSignalBlocker>
#include <QTest>
#include <QTimer>

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
    // A left click at a point of the window, given in the window's pixels.
    void pulsar_en(QPoint punto) {
        QWidget* w = ventana.childAt(punto);
        if (w == nullptr) w = &ventana;
        QTest::mouseClick(w, Qt::LeftButton, {}, w->mapFrom(&ventana, punto));
    }
};

bool dentro(const CajaTwips& c) {
    return c.left >= 0 && c.top >= 0 && c.left + c.width <= ancho_presentacion &&
           c.top + c.height <= alto_presentacion;
}

} // namespace

TEST(PasoAnimacion, CadaBordeDaLaVueltaSoloAlEjeQueLoCruza) {
    struct Caso {
        CajaTwips antes;
        int dx, dy;
        CajaTwips despues;
        int dx_despues, dy_despues;
    };
    const int derecha = ancho_presentacion - 2700, abajo = alto_presentacion - 2700;
    const Caso casos[] = {
        {{derecha - 3, 500, 2700, 2700}, 3, 3, {derecha, 503, 2700, 2700}, 3, 3},  // on the edge
        {{derecha, 500, 2700, 2700}, 3, 3, {derecha + 3, 503, 2700, 2700}, -3, 3}, // right
        {{0, 500, 2700, 2700}, -3, -3, {-3, 497, 2700, 2700}, 3, -3},              // left
        {{500, 0, 2700, 2700}, 3, -3, {503, -3, 2700, 2700}, 3, 3},                // top
        {{500, abajo, 2700, 2700}, -3, 3, {497, abajo + 3, 2700, 2700}, -3, -3},   // bottom
        {{derecha, abajo, 2700, 2700}, 3, 3, {derecha + 3, abajo + 3, 2700, 2700}, -3, -3},
    };
    for (const Caso& c : casos) {
        CajaTwips caja = c.antes;
        int dx = c.dx, dy = c.dy;
        paso_animacion(caja, dx, dy);
        EXPECT_EQ(caja.left, c.despues.left);
        EXPECT_EQ(caja.top, c.despues.top);
        EXPECT_EQ(dx, c.dx_despues) << "from left " << c.antes.left;
        EXPECT_EQ(dy, c.dy_despues) << "from top " << c.antes.top;
    }
}

TEST(Presentacion, AbreConLasEsquinasDeLasDosFigurasYPicture2GiraAlPrimerPaso) {
    SplashEnPantalla s;
    EXPECT_EQ(s.ventana.windowTitle(), QString("Quimbel (V1.0)"));
    EXPECT_EQ(s.ventana.size(), QSize(794, 575));
    EXPECT_EQ(s.hijo("Image2")->geometry(), QRect(326, 3, 150, 67));
    EXPECT_EQ(s.hijo("Image1")->geometry(), QRect(121, 72, 560, 472));
    // Only a corner of each moving picture shows.
    EXPECT_EQ(s.hijo("Picture1")->geometry(), QRect(-160, -161, 180, 180));
    EXPECT_EQ(s.hijo("Picture2")->geometry(), QRect(769, 547, 180, 190));
    EXPECT_EQ(s.ventana.dx1, 3);
    EXPECT_EQ(s.ventana.dy2, 3);

    s.ventana.Timer1_Timer();
    s.ventana.Timer2_Timer();
    // Picture1 goes on right and down; Picture2 moves on past two edges first,
    // and turns.
    EXPECT_EQ(s.ventana.caja_picture1().left, -2397);
    EXPECT_EQ(s.ventana.caja_picture1().top, -2412);
    EXPECT_EQ(std::pair(s.ventana.dx1, s.ventana.dy1), std::pair(3, 3));
    EXPECT_EQ(s.ventana.caja_picture2().left, 11538);
    EXPECT_EQ(s.ventana.caja_picture2().top, 8208);
    EXPECT_EQ(std::pair(s.ventana.dx2, s.ventana.dy2), std::pair(-3, -3));
}

TEST(Presentacion, LasFigurasEntranYNuncaPasanUnBordeEnMasDeUnPaso) {
    SplashEnPantalla s;
    for (int figura = 0; figura < 2; ++figura) {
        int entrada = -1, vueltas_x = 0, vueltas_y = 0;
        int dx = 3, dy = 3;
        for (int tick = 1; tick <= 20000; ++tick) {
            figura == 0 ? s.ventana.Timer1_Timer() : s.ventana.Timer2_Timer();
            const CajaTwips c = figura == 0 ? s.ventana.caja_picture1() : s.ventana.caja_picture2();
            const int ndx = figura == 0 ? s.ventana.dx1 : s.ventana.dx2;
            const int ndy = figura == 0 ? s.ventana.dy1 : s.ventana.dy2;
            vueltas_x += ndx != dx;
            vueltas_y += ndy != dy;
            dx = ndx;
            dy = ndy;
            if (entrada < 0 && dentro(c)) entrada = tick;
            if (entrada < 0) continue;
            ASSERT_GE(c.left, -3) << "tick " << tick;
            ASSERT_GE(c.top, -3) << "tick " << tick;
            ASSERT_LE(c.left + c.width, ancho_presentacion + 3) << "tick " << tick;
            ASSERT_LE(c.top + c.height, alto_presentacion + 3) << "tick " << tick;
        }
        // Wholly inside after well under a thousand ticks (about a second),
        // and then it bounced off every edge more than once.
        EXPECT_GT(entrada, 0);
        EXPECT_LT(entrada, 1000);
        EXPECT_GE(vueltas_x, 4);
        EXPECT_GE(vueltas_y, 4);
    }
}

TEST(Presentacion, SoloPicture2AbreLaMesaEstéDondeEsté) {
    SplashEnPantalla s;
    s.pulsar_en({10, 9});    // the visible corner of Picture1
    s.pulsar_en({400, 30});  // the logo
    s.pulsar_en({400, 300}); // the rules panel
    s.pulsar_en({780, 20});  // the bare window
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

TEST(Presentacion, OtroClicMientrasCargaLaMesaNoAbreOtra) {
    // The table's load pauses with the events flowing: a click then arrives
    // inside the first one.
    int mesas = 0;
    Presentacion* ventana = nullptr;
    Presentacion splash{[&] {
        if (++mesas == 1) ventana->Picture2_Click();
    }};
    ventana = &splash;
    splash.show();
    splash.Picture2_Click();
    EXPECT_EQ(mesas, 1);
    EXPECT_FALSE(splash.isVisible());
}

TEST(Presentacion, OcultaDejaDeAnimarYElTecladoTambiénEmpieza) {
    int mesas = 0;
    Presentacion con_teclado{[&] { ++mesas; }};
    con_teclado.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&con_teclado));
    EXPECT_TRUE(con_teclado.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_TRUE(con_teclado.findChild<QTimer*>("Timer2")->isActive());

    // Picture2 holds the focus from the start: Return starts the game.
    QWidget* picture2 = con_teclado.findChild<QWidget*>("Picture2");
    ASSERT_EQ(con_teclado.focusWidget(), picture2);
    QTest::keyClick(picture2, Qt::Key_Return);
    EXPECT_EQ(mesas, 1);
    EXPECT_FALSE(con_teclado.isVisible());
    // Hidden, it burns no time on ticks nobody sees.
    EXPECT_FALSE(con_teclado.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(con_teclado.findChild<QTimer*>("Timer2")->isActive());
}
