// SPDX-License-Identifier: GPL-3.0-or-later
// What helps a player who cannot see the table or does not know it yet: the
// windows as a screen reader reads them through Qt's accessibility interface,
// a card played by a screen reader's press, the hint (P) and the help
// (tooltips and F1).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QTextBrowser>

#include "advisor/advisor.h"
#include "core/cards.h"
#include "table_window_support.h"
#include "ui/help_texts.h"
#include "ui/pictures/pictures.h"
#include "ui/splash_window.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

QAccessibleInterface* lector(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}
std::string nombre(QObject* o) {
    return lector(o)->text(QAccessible::Name).toStdString();
}

// The names of the children a screen reader lists under a window.
QStringList hijos(QWidget* ventana) {
    QStringList l;
    QAccessibleInterface* v = lector(ventana);
    for (int i = 0; i < v->childCount(); ++i) l << v->child(i)->object()->objectName();
    return l;
}

// The announcements a screen reader was told to read out at once.
QStringList& alertas() {
    static QStringList lista;
    return lista;
}
void oir(QAccessibleEvent* e) {
    if (e->type() == QAccessible::Alert && e->accessibleInterface())
        alertas() << e->accessibleInterface()->text(QAccessible::Name);
}

// What a player sees after a step: the controls, the trick, the scores and
// how many refusals there have been.
std::string foto(MesaEnPantalla& t, const CierraMensajes& m) {
    std::string s = t.controles();
    for (int asiento = derecha; asiento <= yo; ++asiento)
        s += ' ' +
             std::to_string(t.se_ve(t.e().centro[asiento]) ? t.e().centro[asiento]->dibujo() : 0);
    for (QLabel* l : {t.e().tanteo_nosotros, t.e().tanteo_ellos, t.e().juegos_nosotros})
        s += ' ' + l->text().toStdString();
    return s + " refused " + std::to_string(m.textos.size());
}

// One deal: the buttons by clicks, the cards tried from the left until one
// is taken, each by `pulsar_carta`. A trace of what the player sees.
std::vector<std::string> una_mano(MesaEnPantalla& t,
                                  const std::function<void(ImagenMesa*)>& pulsar_carta) {
    CierraMensajes mensajes;
    std::vector<std::string> traza;
    for (QWidget* b : {t.e().barajar, t.e().ordenamelas}) MesaEnPantalla::pulsar(b);
    // While the hand is locked a press does nothing.
    for (int i = 1; i <= 10; ++i) pulsar_carta(t.e().manos[yo][i]);
    traza.push_back(foto(t, mensajes));
    while (t.activo(t.e().jugando)) {
        MesaEnPantalla::pulsar(t.e().jugando);
        for (int i = 1; i <= 10 && !t.se_ve(t.e().centro[yo]); ++i) {
            if (!t.se_ve(t.e().manos[yo][i])) continue;
            pulsar_carta(t.e().manos[yo][i]);
            traza.push_back(foto(t, mensajes));
        }
        MesaEnPantalla::pulsar(t.e().recoger);
        traza.push_back(foto(t, mensajes));
    }
    return traza;
}

} // namespace

TEST(Accesibilidad, LaMesaSeLeeEnEspanolSinLoQueNoDiceNada) {
    MesaEnPantalla t(3); // the right seat leads the first trick
    QAccessibleInterface* ventana = lector(&t.ventana);
    EXPECT_EQ(ventana->role(), QAccessible::Window);
    EXPECT_EQ(nombre(&t.ventana), "Quimbel (V1.0)");
    // The ten cards of the hand, the four of the trick, the trump, the hint's
    // tag, the analysis' ten tags, the 32 announcements, the five buttons, the
    // four scores and the two credits. No shape, back, hidden face, marker or
    // header.
    const QStringList lista = hijos(&t.ventana);
    EXPECT_EQ(lista.size(), 69);
    for (const QString& n : lista)
        EXPECT_FALSE(n.contains(QRegularExpression("^(Shape|Line|Label9|Label2|tapa|mano\\d|"
                                                   "derecha|arriba|izquierda)")))
            << n.toStdString();

    for (QWidget* b : {t.e().barajar, t.e().ordenamelas, t.e().jugando}) t.pulsar(b);
    for (int i = 1; i <= 10; ++i) {
        QAccessibleInterface* carta = lector(t.e().manos[yo][i]);
        EXPECT_EQ(carta->role(), QAccessible::Button);
        EXPECT_EQ(nombre(t.e().manos[yo][i]), nombre_carta(t.m().manos[yo][i].tag));
        EXPECT_FALSE(carta->state().disabled);
        EXPECT_EQ(carta->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
    }
    const char* quien[] = {"", "Derecha", "Arriba", "Izquierda"};
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        EXPECT_EQ(lector(t.e().centro[asiento])->role(), QAccessible::Graphic);
        EXPECT_EQ(nombre(t.e().centro[asiento]),
                  std::string(quien[asiento]) + ": " +
                      nombre_carta(naipe_codigo(t.m().centro[asiento].dibujo)));
    }
    EXPECT_EQ(nombre(t.e().pinta), "Pinta: " + nombre_carta(t.m().pinta.tag));
    EXPECT_EQ(nombre(t.e().tanteo_nosotros), "Tanteo, nosotros: 0");
    EXPECT_EQ(nombre(t.e().juegos_ellos), "Juegos, ellos: 0");
    for (int a = 0; a < num_anuncios; ++a) {
        EXPECT_EQ(lector(t.e().anuncios[a])->role(), QAccessible::Notification);
        EXPECT_EQ(QString::fromStdString(nombre(t.e().anuncios[a])),
                  dibujos::texto_anuncio(Anuncio(a)));
    }
}

// The same deal twice, the cards clicked in one and pressed through a screen
// reader in the other: the player sees the same at every step, a locked card
// does nothing, and every announcement shown is read out.
TEST(Accesibilidad, UnaCartaPulsadaPorElLectorSeJuegaComoConUnClic) {
    MesaEnPantalla con_clics(7);
    const auto por_clics = una_mano(con_clics, [](ImagenMesa* c) { MesaEnPantalla::pulsar(c); });

    QAccessible::setActive(true);
    const bool con_puente = QAccessible::isActive();
    const QAccessible::UpdateHandler antes = QAccessible::installUpdateHandler(oir);
    alertas().clear();
    QStringList mostrados;
    MesaEnPantalla con_lector(7);
    con_lector.al_esperar([&] {
        for (ImagenMesa* a : con_lector.e().anuncios)
            if (con_lector.se_ve(a) && !mostrados.contains(a->accessibleName()))
                mostrados << a->accessibleName();
    });
    const auto por_lector = una_mano(con_lector, [](ImagenMesa* c) {
        lector(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QAccessible::installUpdateHandler(antes);
    QAccessible::setActive(false);

    EXPECT_EQ(por_lector, por_clics);
    EXPECT_EQ(por_lector.front(), "jugando Command2 0 0 0 0 0 0 0 refused 0");
    EXPECT_FALSE(mostrados.isEmpty()); // at least the banner of the deal's end
    // Qt hands the events to a screen reader only where the platform has a
    // bridge to one (not on the offscreen platform of the ordinary runs).
    if (con_puente) {
        for (const QString& m : mostrados) EXPECT_TRUE(alertas().contains(m)) << m.toStdString();
    }
}

// The same deal with P pressed before every card the player tries and at
// every pause: while he can play, the card the hint names is framed and its
// tag appears over it, read out; otherwise nothing changes; and the game is
// the one played without.
TEST(Pista, PMarcaLaCartaSugeridaYLaLeeSinCambiarLaPartida) {
    MesaEnPantalla sin_pistas(7);
    const auto sin = una_mano(sin_pistas, [](ImagenMesa* c) { MesaEnPantalla::pulsar(c); });

    MesaEnPantalla t(7);
    // The tag is read out as it appears, as the bubbles and banners are.
    QWidget* etiqueta = t.hijo("pista");
    ASSERT_NE(etiqueta, nullptr);
    EXPECT_EQ(lector(etiqueta)->role(), QAccessible::Notification);
    auto pedir = [&t] {
        QApplication::setActiveWindow(&t.ventana);
        QTest::keyClick(&t.ventana, Qt::Key_P);
    };
    // What the hint shows: the framed slots, and the tag as it is read.
    auto marca = [&t, etiqueta] {
        std::string s;
        for (int i = 1; i <= 10; ++i)
            if (t.e().manos[yo][i]->marcada()) s += std::to_string(i) + ' ';
        return t.se_ve(etiqueta) ? s + nombre(etiqueta) : s;
    };
    int en_pausa = 0, pistas = 0;
    t.al_esperar([&] {
        // Inside the pause's own wait (or a refusal's box).
        QTimer::singleShot(0, &t.ventana, [&] {
            if (!t.ventana.plataforma().esperando()) return;
            ++en_pausa;
            const std::string antes_de_p = marca();
            pedir();
            EXPECT_EQ(marca(), antes_de_p);
        });
    });
    const auto con = una_mano(t, [&](ImagenMesa* c) {
        const consejo::Pista pista = consejo::pedir_pista(t.m());
        pedir();
        if (pista.hueco) {
            ++pistas;
            EXPECT_EQ(marca(), std::to_string(pista.hueco) + " Pista: " + pista.nombre);
            const QRect carta = t.e().manos[yo][pista.hueco]->geometry();
            EXPECT_TRUE(etiqueta->geometry().bottom() < carta.top() &&
                        etiqueta->geometry().left() > carta.left() &&
                        etiqueta->geometry().right() < carta.right());
        } else {
            EXPECT_EQ(marca(), "");
        }
        MesaEnPantalla::pulsar(c);
        if (t.se_ve(t.e().centro[yo])) {
            EXPECT_EQ(marca(), ""); // gone with the card played
        }
    });
    EXPECT_EQ(con, sin);
    EXPECT_GT(pistas, 10);
    EXPECT_GT(en_pausa, 0);
}

TEST(Accesibilidad, LaPresentacionSeLeeConSusReglasComoTexto) {
    Presentacion splash{[] {}};
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    EXPECT_EQ(lector(&splash)->role(), QAccessible::Window);
    EXPECT_EQ(hijos(&splash), QStringList({"Image1", "Picture2"}));
    QAccessibleInterface* reglas = lector(splash.findChild<QWidget*>("Image1"));
    EXPECT_EQ(reglas->role(), QAccessible::StaticText);
    EXPECT_EQ(reglas->text(QAccessible::Name), "Mecánica del juego");
    QAccessibleTextInterface* texto = reglas->textInterface();
    ASSERT_NE(texto, nullptr);
    const QString leido = texto->text(0, texto->characterCount());
    for (const QString& regla : dibujos::lista_reglas()) EXPECT_TRUE(leido.contains(regla));
    QAccessibleInterface* empezar = lector(splash.findChild<QWidget*>("Picture2"));
    EXPECT_EQ(empezar->role(), QAccessible::Button);
    EXPECT_EQ(empezar->text(QAccessible::Name), "Empezar a jugar");
}

TEST(Ayuda, ConsejosEnLosBotonesYF1AbreLasReglasSinTocarLaMesa) {
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    MesaEnPantalla t;
    QApplication::setActiveWindow(&t.ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.ventana));
    for (QPushButton* b :
         {t.e().barajar, t.e().jugando, t.e().recoger, t.e().Command2, t.e().ordenamelas})
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    EXPECT_TRUE(t.e().ordenamelas->toolTip().contains("antes de la primera baza"));

    t.pulsar(t.e().barajar);
    const std::string antes = t.controles();
    QWidget* foco = QApplication::focusWidget();
    QTest::keyClick(foco, Qt::Key_F1);
    auto* ayuda = t.ventana.findChild<QDialog*>("ayuda");
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_FALSE(ayuda->isModal()); // the game goes on behind it
    EXPECT_EQ(ayuda->windowTitle(), "Reglas y ayuda");
    const QString texto = ayuda->findChild<QTextBrowser*>()->toPlainText();
    for (const QString& regla : dibujos::lista_reglas()) EXPECT_TRUE(texto.contains(regla));
    for (const ayuda::Tecla& k : ayuda::teclas())
        EXPECT_TRUE(texto.contains(k.teclas) && texto.contains(k.que_hace))
            << k.teclas.toStdString();
    EXPECT_TRUE(texto.contains(t.e().ordenamelas->toolTip()));
    EXPECT_TRUE(texto.contains("Versión 1.2.3"));
    EXPECT_TRUE(texto.contains("GNU GPL, versión 3 o posterior"));
    // Nothing on the table moved.
    EXPECT_EQ(t.controles(), antes);
    ayuda->close();
    QApplication::setActiveWindow(&t.ventana);
    EXPECT_EQ(QApplication::focusWidget(), foco);
}
