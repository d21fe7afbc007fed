// The table window as it opens: every element at its place, in its order,
// the state before the first deal, the scoreboard's headers over their boxes
// and the contrast of the buttons.
#include <gtest/gtest.h>

#include <QLabel>
#include <array>
#include <cmath>
#include <vector>

#include "core/cards.h"
#include "table_window_support.h"
#include "ui/table_style.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

struct Lugar {
    QString nombre;
    int left, top, width, height; // twips
};

QString en(const char* nombre, int i) {
    return QStringLiteral("%1(%2)").arg(nombre).arg(i);
}

// Every element that is drawn, where the table puts it.
std::vector<Lugar> lugares() {
    std::vector<Lugar> l = {
        {"Shape1", 2100, 75, 7860, 7545},      {"Shape2", 3405, 1320, 5250, 5055},
        {"Shape3(0)", 5625, 1680, 840, 1155},  {"Shape3(1)", 5610, 4260, 840, 1155},
        {"Shape3(2)", 7395, 2977, 840, 1155},  {"Shape3(3)", 3840, 2992, 840, 1155},
        {"Shape5", 2580, 7695, 6960, 540},     {"Shape6", 60, 105, 1995, 1245},
        {"Shape4", 10365, 90, 1185, 1665},     {"Label9(0)", 90, 210, 1095, 270},
        {"Label9(1)", 1185, 210, 840, 270},    {"Label9(2)", 90, 480, 1095, 270},
        {"Label9(3)", 1185, 480, 840, 270},    {"tanteo_nosotros", 90, 810, 450, 390},
        {"tanteo_ellos", 670, 810, 450, 390},  {"juegos_nosotros", 1250, 810, 315, 390},
        {"juegos_ellos", 1695, 810, 315, 390}, {"Label2", 10590, 150, 720, 255},
        {"pinta", 10500, 465, 900, 1215},      {"norte", 5580, 1635, 930, 1245},
        {"sur", 5580, 4230, 900, 1215},        {"oeste", 7365, 2947, 900, 1215},
        {"este", 3795, 2947, 930, 1245},       {"mano1", 9645, 5280, 1170, 1425},
        {"mano2", 8745, -195, 1170, 1425},     {"mano3", 2160, -195, 1170, 1425},
        {"mano4", 1245, 5280, 1170, 1425},     {"barajar", 2655, 7770, 1605, 405},
        {"jugando", 4385, 7770, 1605, 405},    {"recoger", 6115, 7770, 1605, 405},
        {"Command2", 7845, 7770, 1605, 405},   {"ordenamelas", 5250, 7110, 1605, 405},
        {"Label1(0)", 45, 8250, 2250, 330},    {"Label1(1)", 8835, 8265, 3045, 330},
    };
    const int yo_l[] = {1620, 2505, 3390, 4275, 5160, 6045, 6930, 7815, 8700, 9585};
    const int yo_t[] = {6765, 6315, 6135, 5880, 5730, 5730, 5880, 6135, 6315, 6765};
    const int ar_l[] = {3390, 3870, 4365, 4845, 5340, 5820, 6315, 6795, 7290, 7770};
    const int tar_l[] = {3390, 3877, 4364, 4851, 5338, 5825, 6312, 6799, 7286, 7770};
    const int de_t[] = {1260, 1665, 2070, 2460, 2865, 3270, 3675, 4080, 4470, 4875};
    const int tde_t[] = {1260, 1662, 2064, 2466, 2868, 3270, 3672, 4074, 4476, 4875};
    const int iz_t[] = {1245, 1650, 2055, 2445, 2850, 3255, 3660, 4065, 4470, 4875};
    const int tiz_t[] = {1245, 1649, 2053, 2457, 2861, 3265, 3669, 4073, 4477, 4875};
    for (int i = 0; i < 10; ++i) {
        l.push_back({en("yo", i + 1), yo_l[i], yo_t[i], 900, 1215});
        l.push_back({en("arriba", i + 1), ar_l[i], 165, 900, 1215});
        l.push_back({en("tapa_ar", i + 1), tar_l[i], 165, 900, 1215});
        l.push_back({en("derecha", i + 1), 8730, de_t[i], 900, 1215});
        l.push_back({en("tapa_de", i + 1), 8730, tde_t[i], 900, 1215});
        l.push_back({en("izquierda", i + 1), 2415, iz_t[i], 900, 1215});
        l.push_back({en("tapa_iz", i + 1), 2415, tiz_t[i], 900, 1215});
    }
    const char* banderas[] = {"ganjuego", "perjuego", "ganpartida", "perpartida"};
    for (int i = 0; i < 4; ++i) l.push_back({banderas[i], 3750, 270 + 1280 * i, 4500, 3000});
    // Each seat's bubbles share one place (left, top); its "LAS 40" has its own.
    const std::pair<const char*, std::array<int, 4>> asientos[] = {
        {"de", {6750, 2700, 6705, 2490}},
        {"iz", {2160, 2790, 2115, 2580}},
        {"ar", {4905, 90, 4860, -120}},
        {"ab", {6930, 5265, 6945, 4860}}};
    for (const auto& [prefijo, a] : asientos) {
        for (const char* resto :
             {"tutecab", "tuterey", "20oros", "20copas", "20espadas", "20bastos"})
            l.push_back({QString(prefijo) + resto, a[0], a[1], 3120, 2025});
        l.push_back({QString(prefijo) + "40", a[2], a[3], 3210, 2445});
    }
    return l;
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
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    for (const Lugar& l : lugares()) {
        QWidget* w = t.hijo(l.nombre);
        ASSERT_NE(w, nullptr) << l.nombre.toStdString();
        EXPECT_EQ(w->geometry(), QRect(px(l.left), px(l.top), px(l.width), px(l.height)))
            << l.nombre.toStdString();
    }
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
        for (int i = 1; i <= 10; ++i) {
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
    QApplication::setActiveWindow(&t.ventana);
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
