// SPDX-License-Identifier: GPL-3.0-or-later
// Whole deals played on the real window by clicks on its buttons and cards (or
// keys), with pauses of a few milliseconds: which controls can act at each
// step and where the keyboard focus waits, the refused card and its message
// box, and play by the keyboard alone.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "core/cards.h"
#include "core/picture.h"
#include "table_window_support.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

// Every image, button and score label shows what the table holds.
void coincide_con_la_mesa(MesaEnPantalla& t) {
    const Cuadro m = dibujar(t.m());
    auto imagen = [&t](ImagenMesa* w, const Imagen& i) {
        EXPECT_EQ(t.se_ve(w), i.visible) << w->objectName().toStdString();
        EXPECT_TRUE(!i.visible || w->dibujo() == i.dibujo) << w->objectName().toStdString();
    };
    for (int s = derecha; s <= yo; ++s) {
        for (int i = 1; i <= 10; ++i) {
            imagen(t.e().manos[s][i], m.manos[s][i]);
            if (s != yo) imagen(t.e().tapas[s][i], m.tapas[s][i]);
        }
        imagen(t.e().centro[s], m.centro[s]);
        EXPECT_EQ(t.se_ve(t.e().mano_marcador[s]), m.mano_marcador[s]);
    }
    imagen(t.e().pinta, m.pinta);
    for (int a = 0; a < num_anuncios; ++a) EXPECT_EQ(t.se_ve(t.e().anuncios[a]), m.anuncios[a]);
    EXPECT_EQ(t.e().jugando->text().toStdString(), m.jugando.caption);
    EXPECT_EQ(t.e().barajar->text().toStdString(), m.barajar.caption);
    EXPECT_EQ(t.e().tanteo_nosotros->text().toStdString(), m.tanteo_nosotros.caption);
    EXPECT_EQ(t.e().tanteo_ellos->text().toStdString(), m.tanteo_ellos.caption);
    EXPECT_EQ(t.e().juegos_nosotros->text().toStdString(), m.juegos_nosotros.caption);
    EXPECT_EQ(t.e().juegos_ellos->text().toStdString(), m.juegos_ellos.caption);
}

// The control that acts next, where the focus must wait after every step.
QWidget* el_siguiente(MesaEnPantalla& t) {
    for (QWidget* w :
         {static_cast<QWidget*>(t.e().ordenamelas), static_cast<QWidget*>(t.e().jugando),
          static_cast<QWidget*>(t.e().recoger), static_cast<QWidget*>(t.e().barajar)})
        if (t.activo(w)) return w;
    for (int i = 1; i <= 10; ++i)
        if (t.activo(t.e().manos[yo][i])) return t.e().manos[yo][i];
    return nullptr;
}

// The window manager activates the window when it pleases: late after a
// click, again after a message box is closed.
void activar(MesaEnPantalla& t) {
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&t.ventana);
}

// A click with the mouse, and the focus on what acts next.
void clic(MesaEnPantalla& t, QWidget* w) {
    MesaEnPantalla::pulsar(w);
    activar(t);
    QApplication::processEvents();
    auto nombre = [](QWidget* f) { return f ? f->objectName().toStdString() : "nothing"; };
    EXPECT_EQ(nombre(QApplication::focusWidget()), nombre(el_siguiente(t)))
        << "after " << nombre(w);
}

int cartas_en_la_mesa(MesaEnPantalla& t) {
    int n = 0;
    for (int s = derecha; s <= yo; ++s) n += t.se_ve(t.e().centro[s]);
    return n;
}

// With a computer seat leading a suit the human holds along with another, a
// card of the other suit is refused with the message box and changes nothing.
// Returns whether the hand allowed the try.
bool rechazar_otro_palo(MesaEnPantalla& t, CierraMensajes& mensajes) {
    const char* mayusculas[] = {"", "OROS", "COPAS", "ESPADAS", "BASTOS"};
    const int salida = t.m().la_salida;
    int del_palo = 0, de_otro = 0;
    for (int i = 1; i <= 10; ++i)
        if (t.se_ve(t.e().manos[yo][i]))
            (palo_de_codigo(t.m().en_hueco[yo][i]) == salida ? del_palo : de_otro) = i;
    if (t.m().quien_sale == yo || !del_palo || !de_otro) return false;

    // The hand as the game holds it, and as the picture shows it.
    auto mano = [&t] {
        const Mesa& m = t.m();
        std::vector<int> v(std::begin(m.en_hueco[yo]), std::end(m.en_hueco[yo]));
        for (int codigo : cada_carta(m.en_mano[yo].cartas)) v.push_back(codigo);
        for (const Imagen& i : dibujar(m).manos[yo])
            v.insert(v.end(), {i.tag, i.visible, i.enabled});
        return v;
    };
    const std::vector<int> antes = mano();
    const qsizetype avisos = mensajes.textos.size();
    clic(t, t.e().manos[yo][de_otro]);
    EXPECT_EQ(mensajes.textos.size(), avisos + 1);
    EXPECT_EQ(mensajes.textos.back(), QString("Tienes que ECHAR ") + mayusculas[salida]);
    EXPECT_EQ(t.controles(), "yo Command2");
    EXPECT_FALSE(t.se_ve(t.e().centro[yo]));
    EXPECT_EQ(mano(), antes);
    coincide_con_la_mesa(t);
    return true;
}

} // namespace

TEST(PartidaEnVentana, UnaManoEnteraAClicks) {
    MesaEnPantalla t(7);
    const IconosEnLosBotones como_en_algunos_escritorios;
    CierraMensajes mensajes(&t.ventana);
    QApplication::setActiveWindow(&t.ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.ventana));
    std::vector<int> en_mano;          // the human's cards shown at each pause
    std::vector<std::string> en_pausa; // what could act at a pause besides SALIR
    QString anuncios;                  // the announcements shown at the pauses
    bool salir_con_foco = false;       // a stray Space then would end the game
    t.al_esperar([&] {
        en_mano.push_back(t.cartas_en_mano());
        if (t.controles() != "Command2") en_pausa.push_back(t.controles());
        for (ImagenMesa* a : t.e().anuncios)
            if (t.se_ve(a)) anuncios += a->objectName() + ' ';
        activar(t);
        salir_con_foco |= t.e().Command2->hasFocus();
    });

    clic(t, t.e().barajar);
    // Before each of the forty cards the window showed the hand dealt so far:
    // one card in every round of four, at the human's place after the leader.
    ASSERT_EQ(en_mano.size(), 40u);
    const int puesto = (yo - t.m().quien_sale + 4) % 4;
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(en_mano[static_cast<std::size_t>(i)], (i + 3 - puesto) / 4) << i;
    EXPECT_EQ(t.controles(), "ordenamelas Command2");
    EXPECT_TRUE(t.se_ve(t.e().Label2) && t.se_ve(t.e().Shape4));
    coincide_con_la_mesa(t);

    clic(t, t.e().ordenamelas);
    EXPECT_EQ(t.controles(), "jugando Command2");
    EXPECT_FALSE(t.se_ve(t.e().ordenamelas));
    coincide_con_la_mesa(t);

    int bazas = 0, rechazos = 0;
    while (t.controles() == "jugando Command2") {
        const int lider = t.m().quien_sale;
        const int en_mano_antes = t.cartas_en_mano();
        clic(t, t.e().jugando);
        EXPECT_EQ(t.controles(), "yo Command2");
        EXPECT_EQ(cartas_en_la_mesa(t), lider == yo ? 0 : yo - lider);
        coincide_con_la_mesa(t);

        rechazos += rechazar_otro_palo(t, mensajes);
        // Click the cards from the left until one is taken.
        for (int i = 1; i <= 10 && !t.se_ve(t.e().centro[yo]); ++i)
            if (t.activo(t.e().manos[yo][i])) clic(t, t.e().manos[yo][i]);
        EXPECT_EQ(t.controles(), "recoger Command2");
        EXPECT_EQ(cartas_en_la_mesa(t), 4);
        EXPECT_EQ(t.cartas_en_mano(), en_mano_antes - 1);
        coincide_con_la_mesa(t);

        clic(t, t.e().recoger);
        ++bazas;
        EXPECT_EQ(cartas_en_la_mesa(t), 0);
        coincide_con_la_mesa(t);
    }
    // Ten tricks, or fewer when a tute ends the deal; then the next deal.
    EXPECT_EQ(t.controles(), "barajar Command2");
    EXPECT_TRUE(bazas == 10 || t.m().tute_cantado == SiNo::si) << bazas;
    EXPECT_GT(rechazos, 0);
    EXPECT_FALSE(salir_con_foco);
    EXPECT_TRUE(mensajes.solo_ok);
    // Each refusal opened beside the trick: over none of its four places
    // (cards and slots), nor over the trump.
    QStringList a_la_vista = {"norte", "sur", "este", "oeste", "pinta", "Shape4", "Label2"};
    for (int i = 0; i < 4; ++i) a_la_vista << QStringLiteral("Shape3(%1)").arg(i);
    for (const QRect& caja : mensajes.lugares)
        for (const QString& nombre : a_la_vista)
            EXPECT_FALSE(caja.intersects(t.hijo(nombre)->geometry())) << nombre.toStdString();
    // Only SALIR acts while a handler waits; before a (modal) message box the
    // refused hand still shows as it was.
    EXPECT_EQ(en_pausa, std::vector<std::string>(static_cast<std::size_t>(mensajes.textos.size()),
                                                 "yo Command2"));
    EXPECT_EQ(t.salidas, 0);
    // The end of the deal showed its banner.
    EXPECT_TRUE(anuncios.contains(QRegularExpression("(gan|per)(juego|partida) ")))
        << anuncios.toStdString();
}

TEST(PartidaEnVentana, ConElTecladoSeJuegaUnaManoEnteraSinRaton) {
    MesaEnPantalla t(7);
    CierraMensajes mensajes;
    bool salir_con_foco_en_pausa = false; // a stray key then would end the game
    t.al_esperar([&] { salir_con_foco_en_pausa |= t.e().Command2->hasFocus(); });
    QApplication::setActiveWindow(&t.ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.ventana));
    // Space on whatever has the focus: the focus always waits on the control
    // that acts next, never on SALIR. A refused card keeps it; Tab moves on.
    int pasos = 0, bazas = 0;
    do {
        QWidget* foco = QApplication::focusWidget();
        ASSERT_NE(foco, nullptr) << t.controles();
        ASSERT_NE(foco, t.e().Command2);
        ASSERT_TRUE(t.activo(foco)) << foco->objectName().toStdString();
        const qsizetype avisos = mensajes.textos.size();
        bazas += foco == t.e().recoger;
        QTest::keyClick(foco, Qt::Key_Space);
        if (mensajes.textos.size() > avisos) {
            // The closed box gives the activation back (the window manager
            // does it on a real screen).
            QApplication::setActiveWindow(&t.ventana);
            QTest::keyClick(foco, Qt::Key_Tab);
        }
    } while (t.controles() != "barajar Command2" && ++pasos < 200);
    EXPECT_TRUE(bazas == 10 || t.m().tute_cantado == SiNo::si) << bazas;
    EXPECT_FALSE(salir_con_foco_en_pausa);
    EXPECT_EQ(t.salidas, 0);
    EXPECT_EQ(QApplication::focusWidget(), t.e().barajar);
}
