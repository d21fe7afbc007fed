// The table window as it opens: every element at its place, in its order,
// and the state before the first deal.
#include <gtest/gtest.h>

#include <QLabel>

#include "core/cards.h"
#include "table_window_support.h"
#include "ui/layout.h"

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
    // The cards where the layout puts them (ui/layout.h holds every place).
    namespace d = disposicion;
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        EXPECT_EQ(t.e().centro[asiento]->geometry(), d::en_pixeles(d::centro[asiento]));
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(t.e().manos[asiento][i]->geometry(), d::en_pixeles(d::mano(asiento, i)));
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
    EXPECT_EQ(t.e().barajar->text(), "Barajar y Repartir");
    EXPECT_EQ(t.e().jugando->text(), "La Mano");
    EXPECT_EQ(t.e().recoger->text(), "Tantearse/recoger");
    EXPECT_EQ(t.e().Command2->text(), "SALIR");
    for (QLabel* n :
         {t.e().tanteo_nosotros, t.e().tanteo_ellos, t.e().juegos_nosotros, t.e().juegos_ellos})
        EXPECT_TRUE(t.se_ve(n) && n->text() == "0") << n->objectName().toStdString();
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

TEST(VentanaMesa, UnaCartaBloqueadaSeVeIgualQueUnaJugableYNoResponde) {
    MesaEnPantalla t;
    ImagenMesa* carta = t.e().manos[yo][3];
    carta->poner_dibujo(naipe_de_codigo(codigo_de(copas, rango_caballo)));
    carta->show();
    carta->setEnabled(true);
    const QImage jugable = carta->grab().toImage();
    carta->setEnabled(false);
    EXPECT_EQ(carta->grab().toImage(), jugable);
    t.m().manos[yo][3] = Imagen{carta->dibujo(), codigo_de(copas, rango_caballo), true, false};
    MesaEnPantalla::pulsar(carta);
    EXPECT_EQ(t.m().palo[yo], 0);
}
