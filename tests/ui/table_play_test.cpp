// SPDX-License-Identifier: GPL-3.0-or-later
// Whole deals played on the real window by clicks on its buttons and cards (or
// keys), with pauses of a few milliseconds: which controls can act at each
// step and where the keyboard focus waits, the refused card and its message
// box, and play by the keyboard alone.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "core/card_set.h"
#include "core/cards.h"
#include "core/obligations.h"
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

// The control that acts next, where the focus must wait after every step:
// at the human's turn, the first card the rules accept.
QWidget* el_siguiente(MesaEnPantalla& t) {
    for (QWidget* w :
         {static_cast<QWidget*>(t.e().ordenamelas), static_cast<QWidget*>(t.e().jugando),
          static_cast<QWidget*>(t.e().recoger), static_cast<QWidget*>(t.e().barajar)})
        if (t.activo(w)) return w;
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (t.activo(t.e().manos[yo][i]) &&
            contiene(cartas_aceptadas(t.m()), t.m().en_hueco[yo][i]))
            return t.e().manos[yo][i];
    return nullptr;
}

// The window manager activates the window when it pleases: late after a
// click, again after a message box is closed. Another window has it first,
// so that the table gets it anew.
void activar(MesaEnPantalla& t) {
    QWidget otra;
    otra.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&otra));
    EXPECT_TRUE(t.activar());
}

QString nombre_de(QWidget* w) {
    return w ? w->objectName() : QStringLiteral("nothing");
}

// A click with the mouse, and the focus on what acts next.
void clic(MesaEnPantalla& t, QWidget* w) {
    MesaEnPantalla::pulsar(w);
    activar(t);
    QApplication::processEvents();
    EXPECT_EQ(nombre_de(QApplication::focusWidget()), nombre_de(el_siguiente(t)))
        << "after " << w->objectName().toStdString();
}

int cartas_en_la_mesa(MesaEnPantalla& t) {
    int n = 0;
    for (int s = derecha; s <= yo; ++s) n += t.se_ve(t.e().centro[s]);
    return n;
}

// With a computer seat leading a suit the human holds along with another, a
// card of the other suit is refused with the message box, and the window
// shows the table as it stands (that the table itself does not change, the
// soak holds). Returns whether the hand allowed the try.
bool rechazar_otro_palo(MesaEnPantalla& t, CierraMensajes& mensajes) {
    const char* mayusculas[] = {"", "OROS", "COPAS", "ESPADAS", "BASTOS"};
    const int salida = t.m().la_salida;
    int del_palo = 0, de_otro = 0;
    for (int i = 1; i <= 10; ++i)
        if (t.se_ve(t.e().manos[yo][i]))
            (palo_de_codigo(t.m().en_hueco[yo][i]) == salida ? del_palo : de_otro) = i;
    if (t.m().quien_sale == yo || !del_palo || !de_otro) return false;

    const qsizetype avisos = mensajes.textos.size();
    clic(t, t.e().manos[yo][de_otro]);
    EXPECT_EQ(mensajes.textos.size(), avisos + 1);
    EXPECT_EQ(mensajes.textos.back(), QString("Tienes que ECHAR ") + mayusculas[salida]);
    EXPECT_EQ(t.controles(), "yo Command2");
    EXPECT_FALSE(t.se_ve(t.e().centro[yo]));
    coincide_con_la_mesa(t);
    return true;
}

} // namespace

TEST(PartidaEnVentana, UnaManoEnteraAClicks) {
    MesaEnPantalla t(7);
    const IconosEnLosBotones como_en_algunos_escritorios;
    CierraMensajes mensajes(&t.ventana);
    ASSERT_TRUE(t.activar());
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

// Dealt with the mouse, then Space alone: the focus always waits on the
// control that acts next, at the human's turn on a card the rules accept,
// never on SALIR. Whole deals go by with no card refused.
TEST(PartidaEnVentana, ConElEspacioSoloSeJueganManosEnteras) {
    MesaEnPantalla t(7);
    CierraMensajes mensajes;
    bool salir_con_foco_en_pausa = false; // a stray key then would end the game
    t.al_esperar([&] { salir_con_foco_en_pausa |= t.e().Command2->hasFocus(); });
    ASSERT_TRUE(t.activar());
    for (int mano = 1; mano <= 3; ++mano) {
        SCOPED_TRACE(mano);
        MesaEnPantalla::pulsar(t.e().barajar);
        int pasos = 0, bazas = 0;
        do {
            QWidget* foco = QApplication::focusWidget();
            ASSERT_NE(foco, nullptr) << t.controles();
            ASSERT_NE(foco, t.e().Command2);
            ASSERT_TRUE(t.activo(foco)) << foco->objectName().toStdString();
            bazas += foco == t.e().recoger;
            QTest::keyClick(foco, Qt::Key_Space);
        } while (t.controles() != "barajar Command2" && ++pasos < 100);
        EXPECT_TRUE(bazas == bazas_por_reparto || t.m().tute_cantado == SiNo::si) << bazas;
        EXPECT_EQ(QApplication::focusWidget(), t.e().barajar);
    }
    EXPECT_EQ(mensajes.textos, QStringList());
    EXPECT_FALSE(salir_con_foco_en_pausa);
    EXPECT_EQ(t.salidas, 0);
}

namespace {

// The human's turn, the focus on the first card the rules accept.
void hasta_su_turno(MesaEnPantalla& t) {
    for (QWidget* b : {t.e().barajar, t.e().ordenamelas, t.e().jugando}) MesaEnPantalla::pulsar(b);
    ASSERT_TRUE(t.activar());
    ASSERT_EQ(t.controles(), "yo Command2");
}

} // namespace

// Any one key and then Space, at the start or at the human's turn, leaves the
// game running, unless the key was Tab or Shift+Tab onto SALIR: the arrow
// keys go among the cards and the controls that can act and never reach
// SALIR. A card the rules refuse, reached with the arrows, is refused once;
// then the focus waits on the first card they accept.
TEST(PartidaEnVentana, NingunaTeclaSeguidaDeEspacioTerminaLaPartida) {
    const Qt::Key teclas[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,    Qt::Key_Down,
                              Qt::Key_Home,   Qt::Key_End,      Qt::Key_Tab,   Qt::Key_Backtab,
                              Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Escape};
    for (bool en_su_turno : {false, true}) {
        for (Qt::Key tecla : teclas) {
            SCOPED_TRACE(QKeySequence(tecla).toString().toStdString() +
                         (en_su_turno ? " at his turn" : " at the start"));
            MesaEnPantalla t(7);
            CierraMensajes mensajes;
            ASSERT_TRUE(t.activar());
            if (en_su_turno) hasta_su_turno(t);
            ASSERT_EQ(nombre_de(QApplication::focusWidget()), nombre_de(el_siguiente(t)));
            QTest::keyClick(QApplication::focusWidget(), tecla);
            const bool a_salir = QApplication::focusWidget() == t.e().Command2;
            EXPECT_TRUE(!a_salir || tecla == Qt::Key_Tab || tecla == Qt::Key_Backtab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            EXPECT_EQ(t.salidas, a_salir ? 1 : 0);
        }
    }

    // Held down at the human's turn, Right goes along the hand to its last
    // card and stays there, Left back to the first.
    MesaEnPantalla t(7);
    CierraMensajes mensajes;
    ASSERT_TRUE(t.activar());
    hasta_su_turno(t);
    auto pulsada = [](Qt::Key tecla, int veces) {
        for (int i = 0; i < veces; ++i) QTest::keyClick(QApplication::focusWidget(), tecla);
        return nombre_de(QApplication::focusWidget());
    };
    EXPECT_EQ(pulsada(Qt::Key_Right, 12), "yo(10)");
    EXPECT_EQ(pulsada(Qt::Key_Left, 12), "yo(1)");
    // On a card the rules refuse, Space opens the refusal once, and the
    // focus goes on to the first card they accept.
    int rehusada = 0;
    for (int i = 1; i <= cartas_por_mano && !rehusada; ++i)
        if (!contiene(cartas_aceptadas(t.m()), t.m().en_hueco[yo][i])) rehusada = i;
    ASSERT_GT(rehusada, 0); // seed 7: the hand cannot follow with every card
    ASSERT_EQ(pulsada(Qt::Key_Right, rehusada - 1), nombre_de(t.e().manos[yo][rehusada]));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(mensajes.textos.size(), 1);
    EXPECT_TRUE(t.activar()); // as the window manager does
    EXPECT_EQ(nombre_de(QApplication::focusWidget()), nombre_de(el_siguiente(t)));
    EXPECT_EQ(t.salidas, 0);
}
