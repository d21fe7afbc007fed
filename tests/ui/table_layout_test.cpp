// SPDX-License-Identifier: GPL-3.0-or-later
// The table window as it opens: every element at its place, in its order,
// the state before the first deal, the scoreboard's headers over their boxes
// and the contrast of the buttons.
#include <gtest/gtest.h>

#include <QLabel>

#include "core/cards.h"
#include "table_window_support.h"
#include "ui/picture_store.h"
#include "ui/table_style.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

QString en(const char* nombre, int i) {
    return QStringLiteral("%1(%2)").arg(nombre).arg(i);
}

// A widget's place among its siblings: the higher, the nearer the front.
int capa(const MesaEnPantalla& t, const QString& nombre) {
    const QObjectList& hijos = t.ventana.children();
    for (int i = 0; i < hijos.size(); ++i)
        if (hijos[i]->objectName() == nombre) return i;
    ADD_FAILURE() << "no element " << nombre.toStdString();
    return -1;
}

} // namespace

TEST(VentanaMesa, CadaElementoEstaEnSuSitioYEnSuCapa) {
    MesaEnPantalla t;
    EXPECT_EQ(t.ventana.windowTitle(), "Quimbel (V1.0)");
    EXPECT_EQ(t.ventana.size(), QSize(794, 569));
    EXPECT_EQ(t.ventana.minimumSize(), t.ventana.maximumSize()); // fixed
    EXPECT_EQ(t.ventana.palette().color(QPalette::Window), QColor(0, 64, 64));
    EXPECT_FALSE(t.ventana.windowIcon().isNull());
    // The scoreboard's line, from (90, 705) to (2010, 705).
    EXPECT_EQ(t.hijo("Line1")->geometry(), QRect(6, 47, 129, 1));

    // Banners over bubbles over the scoreboard over the trick over the trump
    // over the computer hands over the markers and credits over the human's
    // hand over the shapes and, last, the felt; the buttons over everything.
    const QStringList de_delante_a_detras = {
        "ganjuego", "ab20oros",  "tanteo_nosotros", "sur",    "oeste",       "este",
        "norte",    "Shape3(0)", "Label2",          "pinta",  "tapa_iz(10)", "izquierda(10)",
        "mano1",    "mano4",     "Label1(0)",       "yo(10)", "yo(1)",       "Shape2",
        "Shape4",   "Shape6",    "Shape1"};
    for (const char* b : {"barajar", "jugando", "recoger", "Command2", "ordenamelas"})
        EXPECT_GT(capa(t, b), capa(t, "ganjuego")) << b;
    for (int i = 1; i < de_delante_a_detras.size(); ++i)
        EXPECT_GT(capa(t, de_delante_a_detras[i - 1]), capa(t, de_delante_a_detras[i]))
            << de_delante_a_detras[i - 1].toStdString() << " over "
            << de_delante_a_detras[i].toStdString();
    // Each computer seat's backs cover all of its faces; a higher slot lies
    // over a lower one.
    for (auto [cara, dorso] :
         {std::pair{"derecha", "tapa_de"}, {"arriba", "tapa_ar"}, {"izquierda", "tapa_iz"}})
        for (int i = 1; i <= cartas_por_mano; ++i) {
            EXPECT_GT(capa(t, en(dorso, 1)), capa(t, en(cara, i)));
            EXPECT_GT(capa(t, en(cara, i)), i > 1 ? capa(t, en(cara, i - 1)) : -1);
            EXPECT_GT(capa(t, en(dorso, i)), i > 1 ? capa(t, en(dorso, i - 1)) : -1);
        }
}

TEST(VentanaMesa, AlAbrirSoloElTapeteElMarcadorLosBotonesYLosCreditos) {
    MesaEnPantalla t;
    // jugando and recoger are there, only disabled.
    EXPECT_EQ(t.controles(), "barajar Command2");
    EXPECT_TRUE(t.se_ve(t.e().jugando) && t.se_ve(t.e().recoger));
    EXPECT_FALSE(t.se_ve(t.e().ordenamelas));
    QStringList vistos;
    for (QWidget* w : std::initializer_list<QWidget*>{
             t.e().barajar, t.e().jugando, t.e().recoger, t.e().Command2, t.e().tanteo_nosotros,
             t.e().tanteo_ellos, t.e().juegos_nosotros, t.e().juegos_ellos})
        vistos << w->property("text").toString();
    EXPECT_EQ(vistos.join('|'), "Barajar y Repartir|La Mano|Tantearse/recoger|SALIR|0|0|0|0");
    for (const char* fijo : {"Shape1", "Shape2", "Shape5", "Shape6", "Label9(0)", "Label9(1)",
                             "Label9(2)", "Label9(3)", "Line1", "Label1(0)", "Label1(1)"})
        EXPECT_TRUE(t.se_ve(t.hijo(fijo))) << fijo;
    EXPECT_EQ(qobject_cast<QLabel*>(t.hijo("Label9(2)"))->text(), "Nos.  Ellos");
    EXPECT_FALSE(qobject_cast<QLabel*>(t.hijo("Label1(0)"))->text().isEmpty());
    // No card, no trump, no marker, no announcement.
    for (ImagenMesa* imagen : t.ventana.findChildren<ImagenMesa*>())
        EXPECT_FALSE(t.se_ve(imagen)) << imagen->objectName().toStdString();
    EXPECT_FALSE(t.se_ve(t.e().Label2) || t.se_ve(t.e().Shape4));
}

// (That it does not answer, to a click or to a screen reader's press, the
// deals played in help_and_access_test show.)
TEST(VentanaMesa, UnaCartaBloqueadaSeVeIgualQueUnaJugable) {
    MesaEnPantalla t;
    ImagenMesa* carta = t.e().manos[yo][3];
    carta->poner_dibujo(naipe_de_codigo(codigo_de(copas, rango_caballo)));
    carta->show();
    const QImage jugable = carta->grab().toImage();
    carta->setEnabled(false);
    EXPECT_EQ(carta->grab().toImage(), jugable);
}

namespace {

// The contrast ratio of two colours, as the web's accessibility guidelines
// (WCAG 2) measure it: 1 for the same colour, 21 for black on white.
double contraste(QColor a, QColor b) {
    auto luminancia = [](QColor c) {
        auto lineal = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineal(c.redF()) + 0.7152 * lineal(c.greenF()) + 0.0722 * lineal(c.blueF());
    };
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST(VentanaMesa, LosBotonesSeLeenInhabilitadosYElFocoSeVe) {
    using namespace estilo;
    // A disabled caption reads at 4.5:1 at least (La Mano names the leader
    // while disabled), on a button that stays flat and pale: it looks disabled.
    EXPECT_GE(contraste(boton_lila.texto_inhabilitado, boton_lila.fondo_inhabilitado), 4.5);
    EXPECT_GE(contraste(boton_lila.texto, boton_lila.fondo), 4.5);
    EXPECT_GE(contraste(boton_teja.texto, boton_teja.fondo), 4.5);
    EXPECT_GT(contraste(boton_lila.fondo, boton_lila.fondo_inhabilitado), 1.5);
    // The focus frame stands out at 3:1 from both buttons and from what they
    // lie on: the black bar, the felt (AGRUPAR).
    for (QColor fondo : {boton_lila.fondo, boton_teja.fondo, barra, verde_tapete})
        EXPECT_GE(contraste(marco_foco, fondo), 3.0) << fondo.name().toStdString();

    // And the window draws them so.
    MesaEnPantalla t;
    ASSERT_TRUE(t.activar());
    const QImage inhabilitado = t.e().jugando->grab().toImage();
    const qreal dpr = inhabilitado.devicePixelRatio();
    auto en = [dpr](const QImage& i, qreal x, qreal y) { return i.pixelColor(x * dpr, y * dpr); };
    EXPECT_EQ(en(inhabilitado, 4, 4), boton_lila.fondo_inhabilitado);
    EXPECT_EQ(en(inhabilitado, 0, 0), boton_lila.fondo_inhabilitado); // flat
    t.e().barajar->setFocus();
    const QImage con_foco = t.e().barajar->grab().toImage();
    EXPECT_EQ(en(con_foco, 1, 10), marco_foco); // the frame, 3 pixels wide
    EXPECT_EQ(en(con_foco, 5, 10), boton_lila.fondo);
}

// At every scale each header word stands over the middle of its box, and no
// writing comes nearer than a pixel to the board's frame.
TEST(VentanaMesa, LasCabecerasDelMarcadorSobreSusCajasSinTocarElMarco) {
    MesaEnPantalla t;
    const QRect marco = t.hijo("Shape6")->geometry(); // its frame is one pixel wide
    auto medio = [&t](const char* caja) { return t.hijo(caja)->geometry().center().x() + 0.5; };
    const double tn = medio("tanteo_nosotros"), te = medio("tanteo_ellos");
    const double jn = medio("juegos_nosotros"), je = medio("juegos_ellos");
    // Each row of headers (top and bottom, in the window) and the middles of its words.
    const struct {
        int arriba, abajo;
        std::vector<double> centros;
    } filas[] = {{14, 31, {(tn + te) / 2, (jn + je) / 2}}, {32, 46, {tn, te, jn, je}}};
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        QImage img(marco.size() * dpr, QImage::Format_RGB32);
        img.setDevicePixelRatio(dpr);
        t.ventana.render(&img, QPoint(), QRegion(marco));
        for (const auto& fila : filas) {
            // The columns with writing, grouped into words where more than
            // four pixels of black part them (in the window's pixels).
            std::vector<std::pair<double, double>> palabras;
            for (int x = 0; x < img.width(); ++x) {
                bool escrita = false;
                for (int y = qRound((fila.arriba - marco.y()) * dpr);
                     y < (fila.abajo - marco.y()) * dpr; ++y) {
                    const QColor c = img.pixelColor(x, y);
                    escrita |= c.lightness() > 90 && c.red() - c.green() < 60; // not the red frame
                }
                const double en = marco.x() + x / dpr;
                if (!escrita) continue;
                if (palabras.empty() || en - palabras.back().second > 4)
                    palabras.push_back({en, en});
                palabras.back().second = en + 1 / dpr;
            }
            ASSERT_EQ(palabras.size(), fila.centros.size()) << fila.arriba << " at " << dpr;
            EXPECT_GE(palabras.front().first, marco.left() + 2) << fila.arriba << " at " << dpr;
            EXPECT_LE(palabras.back().second, marco.right() - 1) << fila.arriba << " at " << dpr;
            for (std::size_t i = 0; i < palabras.size(); ++i)
                EXPECT_NEAR((palabras[i].first + palabras[i].second) / 2, fila.centros[i], 1.5)
                    << fila.arriba << " word " << i << " at " << dpr;
        }
    }
}

namespace {

// The part of a picture that is not transparent, in its own pixels.
QRectF lo_pintado(const QPixmap& p) {
    const QImage img = p.toImage();
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) r |= QRect(x, y, 1, 1);
    const qreal dpr = p.devicePixelRatio();
    return QRectF(r.x() / dpr, r.y() / dpr, r.width() / dpr, r.height() / dpr);
}

} // namespace

// Every bubble, starburst, banner and leader marker is drawn wholly inside
// the window at every scale, and so are the credits' lines, whole.
TEST(VentanaMesa, LoQueAparecePorEncimaCabeEnteroEnLaVentana) {
    MesaEnPantalla t;
    const QRectF ventana = t.ventana.rect();
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        AlmacenDibujos almacen;
        std::vector<std::pair<ImagenMesa*, int>> figuras;
        for (int a = 0; a < num_anuncios; ++a)
            figuras.push_back({t.e().anuncios[a], dibujo::de_anuncio(Anuncio(a))});
        for (int asiento = derecha; asiento <= yo; ++asiento)
            figuras.push_back({t.e().mano_marcador[asiento], dibujo::marcador});
        for (auto [w, cual] : figuras) {
            const QPixmap& p = almacen.dibujo(cual, dpr);
            ASSERT_LE(p.deviceIndependentSize().width(), w->width()); // shown at its own size
            const QRectF dibujado = lo_pintado(p).translated(w->pos());
            EXPECT_TRUE(ventana.contains(dibujado))
                << w->objectName().toStdString() << " at " << dpr << ": " << dibujado.top() << ", "
                << dibujado.bottom();
        }
    }
    for (const char* credito : {"Label1(0)", "Label1(1)"}) {
        const auto* l = qobject_cast<QLabel*>(t.hijo(credito));
        EXPECT_TRUE(t.ventana.rect().contains(l->geometry())) << credito;
        EXPECT_GE(l->height(), l->fontMetrics().height()) << credito;
    }
}
