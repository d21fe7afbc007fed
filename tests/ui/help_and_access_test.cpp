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
#include <QToolTip>

#include "advisor/advisor.h"
#include "core/card_set.h"
#include "core/cards.h"
#include "core/obligations.h"
#include "table_window_support.h"
#include "ui/help_place.h"
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

using PulsarCarta = std::function<void(ImagenMesa*, const std::function<std::string()>& foto)>;

// One deal: the buttons by clicks, the cards tried from the left until one
// is taken, each by `pulsar_carta`, which may look at what the player sees.
// A trace of what he saw after each step, and the refusals' texts.
std::vector<std::string> una_mano(MesaEnPantalla& t, const PulsarCarta& pulsar_carta) {
    CierraMensajes mensajes;
    const auto ahora = [&t, &mensajes] { return foto(t, mensajes); };
    std::vector<std::string> traza;
    for (QWidget* b : {t.e().barajar, t.e().ordenamelas}) MesaEnPantalla::pulsar(b);
    // While the hand is locked a press does nothing.
    for (int i = 1; i <= cartas_por_mano; ++i) pulsar_carta(t.e().manos[yo][i], ahora);
    traza.push_back(ahora());
    while (t.activo(t.e().jugando)) {
        MesaEnPantalla::pulsar(t.e().jugando);
        for (int i = 1; i <= cartas_por_mano && !t.se_ve(t.e().centro[yo]); ++i) {
            if (!t.se_ve(t.e().manos[yo][i])) continue;
            pulsar_carta(t.e().manos[yo][i], ahora);
            traza.push_back(ahora());
        }
        MesaEnPantalla::pulsar(t.e().recoger);
        traza.push_back(ahora());
    }
    traza.push_back(mensajes.textos.join('|').toStdString());
    return traza;
}

void clic(ImagenMesa* carta, const std::function<std::string()>&) {
    MesaEnPantalla::pulsar(carta);
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
        EXPECT_EQ(nombre(t.e().manos[yo][i]), nombre_carta(t.m().en_hueco[yo][i]));
        EXPECT_FALSE(carta->state().disabled);
        EXPECT_EQ(carta->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
    }
    const char* quien[] = {"", "Derecha", "Arriba", "Izquierda"};
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        EXPECT_EQ(lector(t.e().centro[asiento])->role(), QAccessible::Graphic);
        EXPECT_EQ(nombre(t.e().centro[asiento]),
                  std::string(quien[asiento]) + ": " + nombre_carta(t.m().en_baza[asiento]));
    }
    EXPECT_EQ(nombre(t.e().pinta), "Pinta: " + nombre_carta(t.m().carta_de_pinta));
    EXPECT_EQ(nombre(t.e().tanteo_nosotros), "Tanteo, nosotros: 0");
    EXPECT_EQ(nombre(t.e().juegos_ellos), "Juegos, ellos: 0");
    for (int a = 0; a < num_anuncios; ++a) {
        EXPECT_EQ(lector(t.e().anuncios[a])->role(), QAccessible::Notification);
        EXPECT_EQ(QString::fromStdString(nombre(t.e().anuncios[a])),
                  dibujos::texto_anuncio(Anuncio(a)));
    }
}

// The same deal twice, the cards clicked in one and pressed through a screen
// reader in the other: the press answers at once, with nothing changed yet
// (a refusal's box opened inside it would keep the reader waiting); right
// after, the player sees the same as with a click, the same refusals
// included; a locked card does nothing, and every announcement shown is read
// out.
TEST(Accesibilidad, UnaCartaPulsadaPorElLectorSeJuegaComoConUnClic) {
    MesaEnPantalla con_clics(7);
    const auto por_clics = una_mano(con_clics, clic);

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
    const auto por_lector = una_mano(con_lector, [&](ImagenMesa* c, const auto& foto) {
        const std::string visto = foto();
        lector(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(foto(), visto);
        EXPECT_FALSE(con_lector.ventana.plataforma().esperando());
        QCoreApplication::processEvents();
    });
    QAccessible::installUpdateHandler(antes);
    QAccessible::setActive(false);

    EXPECT_EQ(por_lector, por_clics);
    EXPECT_EQ(por_lector.front(), "jugando Command2 0 0 0 0 0 0 0 refused 0");
    EXPECT_NE(por_lector.back(), "");  // the refusals' texts: the deal had some
    EXPECT_FALSE(mostrados.isEmpty()); // at least the banner of the deal's end
    // Qt hands the events to a screen reader only where the platform has a
    // bridge to one (not on the offscreen platform of the ordinary runs).
    if (con_puente) {
        for (const QString& m : mostrados) EXPECT_TRUE(alertas().contains(m)) << m.toStdString();
    }
}

// A screen reader can press a card while the refusal's box waits, when no
// click reaches the table: the press does nothing.
TEST(Accesibilidad, UnaCartaPulsadaMientrasEsperaLaCajaNoHaceNada) {
    MesaEnPantalla t(7);
    for (QWidget* b : {t.e().barajar, t.e().ordenamelas, t.e().jugando}) t.pulsar(b);
    ImagenMesa *rehusada = nullptr, *aceptada = nullptr;
    for (int i = 1; i <= cartas_por_mano; ++i)
        (contiene(cartas_aceptadas(t.m()), t.m().en_hueco[yo][i]) ? aceptada : rehusada) =
            t.e().manos[yo][i];
    ASSERT_TRUE(rehusada && aceptada);
    auto pulsar = [](ImagenMesa* c) {
        lector(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    };
    int cajas = 0;
    QTimer reloj;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        QMessageBox* caja = caja_abierta();
        if (caja == nullptr) return;
        if (++cajas == 1) pulsar(aceptada);
        caja->button(QMessageBox::Ok)->click();
    });
    reloj.start(5);
    pulsar(rehusada);
    EXPECT_EQ(cajas, 1);
    EXPECT_EQ(t.controles(), "yo Command2"); // the accepted card was not played
}

// The same deal with P pressed before every card the player tries and at
// every pause: while he can play, the card the hint names is framed and its
// tag appears over it, read out; otherwise nothing changes; and the game is
// the one played without.
TEST(Pista, PMarcaLaCartaSugeridaYLaLeeSinCambiarLaPartida) {
    MesaEnPantalla sin_pistas(7);
    const auto sin = una_mano(sin_pistas, clic);

    MesaEnPantalla t(7);
    // The tag is read out as it appears, as the bubbles and banners are.
    QWidget* etiqueta = t.hijo("pista");
    ASSERT_NE(etiqueta, nullptr);
    EXPECT_EQ(lector(etiqueta)->role(), QAccessible::Notification);
    auto pedir = [&t] {
        EXPECT_TRUE(t.activar());
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
    const auto con = una_mano(t, [&](ImagenMesa* c, const auto&) {
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

    // Once it has opened the table, it leaves the program's windows.
    auto ventanas = [] {
        QStringList l;
        QAccessibleInterface* programa = lector(qApp);
        for (int i = 0; i < programa->childCount(); ++i)
            l << programa->child(i)->object()->objectName();
        return l;
    };
    EXPECT_TRUE(ventanas().contains("presentacion"));
    QTest::keyClick(splash.findChild<QWidget*>("Picture2"), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ventanas().contains("presentacion")) << ventanas().join(' ').toStdString();
}

// Each button's tooltip shows in lines of a readable width, on the screen;
// F1 opens the help, clear of the hand and the trick, and nothing moves.
TEST(Ayuda, ConsejosEnLosBotonesYF1AbreLasReglasSinTocarLaMesa) {
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    MesaEnPantalla t;
    ASSERT_TRUE(t.activar());
    t.e().ordenamelas->show();
    const QRect pantalla = t.ventana.screen()->availableGeometry();
    for (QPushButton* b :
         {t.e().barajar, t.e().jugando, t.e().recoger, t.e().Command2, t.e().ordenamelas}) {
        SCOPED_TRACE(b->objectName().toStdString());
        const QPoint en = b->rect().center();
        QHelpEvent pregunta(QEvent::ToolTip, en, b->mapToGlobal(en));
        QApplication::sendEvent(b, &pregunta);
        QWidget* globo = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) globo = w;
        ASSERT_NE(globo, nullptr);
        EXPECT_LE(globo->width(), 45 * globo->fontMetrics().averageCharWidth());
        EXPECT_TRUE(pantalla.contains(globo->geometry()));
        QToolTip::hideText();
    }
    EXPECT_TRUE(t.e().ordenamelas->accessibleDescription().contains("antes de la primera baza"));

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
    EXPECT_TRUE(texto.contains(t.e().ordenamelas->accessibleDescription()));
    EXPECT_TRUE(texto.contains("Versión 1.2.3"));
    EXPECT_TRUE(texto.contains("GNU GPL, versión 3 o posterior"));
    // Nothing on the table moved, and the help covers neither the hand nor
    // the trick (the offscreen screen has no room beside the table).
    EXPECT_EQ(t.controles(), antes);
    const QRect marco = ayuda->frameGeometry();
    EXPECT_TRUE(t.ventana.screen()->availableGeometry().contains(marco));
    for (ImagenMesa* carta : {t.e().manos[yo][1], t.e().manos[yo][10], t.e().centro[derecha],
                              t.e().centro[arriba], t.e().centro[izquierda], t.e().centro[yo]})
        EXPECT_FALSE(marco.intersects(QRect(carta->mapToGlobal(QPoint()), carta->size())))
            << carta->objectName().toStdString();
    ayuda->close();
    EXPECT_TRUE(t.activar());
    EXPECT_EQ(QApplication::focusWidget(), foco);
}

// Where the help opens on screens of other sizes, the table centred: beside
// it where it fits whole, else as large as it can be clear of the hand and
// the trick.
TEST(Ayuda, LaAyudaSeAbreJuntoALaMesaOLejosDeLaManoYLaBaza) {
    const QSize deseado(560, 520);
    for (QSize tamano : {QSize(1920, 1080), QSize(1024, 768), QSize(800, 600)}) {
        const QRect pantalla(QPoint(), tamano);
        const QPoint d((tamano.width() - 794) / 2, (tamano.height() - 569) / 2);
        const QRect mesa = QRect(0, 0, 794, 569).translated(d);
        const QRect mano = QRect(108, 382, 592, 187).translated(d);
        const QRect baza = QRect(253, 109, 298, 259).translated(d);
        const QRect r = lugar_ayuda(pantalla, mesa, mano, baza, deseado);
        EXPECT_TRUE(pantalla.contains(r)) << tamano.width();
        if (tamano.width() >= 794 + 2 * deseado.width()) {
            EXPECT_EQ(r.size(), deseado);
            EXPECT_FALSE(r.intersects(mesa));
        } else {
            EXPECT_FALSE(r.intersects(mano) || r.intersects(baza)) << tamano.width();
            EXPECT_GE(r.width() * r.height(), 240 * 360) << tamano.width();
        }
    }
}
