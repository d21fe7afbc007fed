// Whole deals played on the real window by clicks on its buttons and cards,
// with pauses of a few milliseconds: which controls can act at each step, the
// refused card, and the end of the program in the middle of a pause.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSet>

#include "core/cards.h"
#include "table_window_support.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

// Every image, button and score label shows what the table holds.
void coincide_con_la_mesa(MesaEnPantalla& t) {
    const Mesa& m = t.m();
    for (int s = derecha; s <= yo; ++s) {
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(t.se_ve(t.e().manos[s][i]), m.manos[s][i].visible) << s << " " << i;
            if (m.manos[s][i].visible) {
                EXPECT_EQ(t.e().manos[s][i]->dibujo(), m.manos[s][i].dibujo);
            }
            if (s != yo) {
                EXPECT_EQ(t.se_ve(t.e().tapas[s][i]), m.tapas[s][i].visible);
            }
        }
        EXPECT_EQ(t.se_ve(t.e().centro[s]), m.centro[s].visible);
        if (m.centro[s].visible) {
            EXPECT_EQ(t.e().centro[s]->dibujo(), m.centro[s].dibujo);
        }
        EXPECT_EQ(t.se_ve(t.e().mano_marcador[s]), m.mano_marcador[s]);
    }
    EXPECT_EQ(t.se_ve(t.e().pinta), m.pinta.visible);
    EXPECT_EQ(t.e().jugando->text().toStdString(), m.jugando.caption);
    EXPECT_EQ(t.e().barajar->text().toStdString(), m.barajar.caption);
    EXPECT_EQ(t.e().tanteo_nosotros->text().toStdString(), m.tanteo_nosotros.caption);
    EXPECT_EQ(t.e().tanteo_ellos->text().toStdString(), m.tanteo_ellos.caption);
    EXPECT_EQ(t.e().juegos_nosotros->text().toStdString(), m.juegos_nosotros.caption);
    EXPECT_EQ(t.e().juegos_ellos->text().toStdString(), m.juegos_ellos.caption);
    for (int a = 0; a < num_anuncios; ++a) EXPECT_FALSE(t.se_ve(t.e().anuncios[a]));
}

int cartas_en_mano(MesaEnPantalla& t) {
    int n = 0;
    for (int i = 1; i <= 10; ++i) n += t.se_ve(t.e().manos[yo][i]);
    return n;
}

int cartas_en_la_mesa(MesaEnPantalla& t) {
    int n = 0;
    for (int s = derecha; s <= yo; ++s) n += t.se_ve(t.e().centro[s]);
    return n;
}

// The seats that have played before the human: from the leader to yo.
int antes_de_mi(int lider) { return lider == yo ? 0 : yo - lider; }

void repartir_y_agrupar(MesaEnPantalla& t) {
    MesaEnPantalla::pulsar(t.e().barajar);
    EXPECT_EQ(t.controles(), "ordenamelas Command2");
    EXPECT_EQ(cartas_en_mano(t), 10);
    EXPECT_TRUE(t.se_ve(t.e().pinta));
    EXPECT_TRUE(t.se_ve(t.e().Label2));
    EXPECT_TRUE(t.se_ve(t.e().Shape4));
    coincide_con_la_mesa(t);

    MesaEnPantalla::pulsar(t.e().ordenamelas);
    EXPECT_EQ(t.controles(), "jugando Command2");
    EXPECT_FALSE(t.se_ve(t.e().ordenamelas));
    // The hand, grouped, names its cards for a screen reader.
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(t.e().manos[yo][i]->accessibleName().toStdString(),
                  nombre_carta(t.m().manos[yo][i].tag));
    coincide_con_la_mesa(t);
}

// Click the human's cards from the left until one is accepted.
void jugar_una_carta(MesaEnPantalla& t, CierraMensajes& mensajes) {
    for (int i = 1; i <= 10 && !t.se_ve(t.e().centro[yo]); ++i)
        if (t.activo(t.e().manos[yo][i])) MesaEnPantalla::pulsar(t.e().manos[yo][i]);
    ASSERT_TRUE(t.se_ve(t.e().centro[yo])) << "no card of the hand was accepted";
    EXPECT_TRUE(mensajes.solo_ok);
}

const char* mayusculas[] = {"", "OROS", "COPAS", "ESPADAS", "BASTOS"};

// Look at the window at every pause, once it has been brought up to date and
// before the wait.
void al_esperar(MesaEnPantalla& t, std::function<void()> mirar) {
    PlataformaQt& p = t.ventana.plataforma();
    p.antes_de_esperar = [refrescar = p.antes_de_esperar, mirar = std::move(mirar)] {
        refrescar();
        mirar();
    };
}

} // namespace

TEST(PartidaEnVentana, UnaManoEnteraAClicks) {
    MesaEnPantalla t(7);
    CierraMensajes mensajes;
    // What the pauses show: the announcements on screen while they wait.
    QSet<QString> vistos;
    al_esperar(t, [&] {
        for (ImagenMesa* a : t.e().anuncios)
            if (t.se_ve(a)) vistos.insert(a->objectName());
    });
    repartir_y_agrupar(t);

    int bazas = 0;
    while (t.controles() == "jugando Command2") {
        const int lider = t.m().quien_sale;
        const int en_mano = cartas_en_mano(t);
        MesaEnPantalla::pulsar(t.e().jugando);
        EXPECT_EQ(t.controles(), "yo Command2");
        EXPECT_EQ(cartas_en_la_mesa(t), antes_de_mi(lider));
        coincide_con_la_mesa(t);

        jugar_una_carta(t, mensajes);
        EXPECT_EQ(t.controles(), "recoger Command2");
        EXPECT_EQ(cartas_en_la_mesa(t), 4);
        EXPECT_EQ(cartas_en_mano(t), en_mano - 1);
        coincide_con_la_mesa(t);

        MesaEnPantalla::pulsar(t.e().recoger);
        ++bazas;
        EXPECT_EQ(cartas_en_la_mesa(t), 0);
        coincide_con_la_mesa(t);
    }
    // Ten tricks, or fewer when a tute ends the deal; then the next deal.
    EXPECT_EQ(t.controles(), "barajar Command2");
    EXPECT_TRUE(bazas == 10 || t.m().tute_cantado == SiNo::si) << bazas;
    EXPECT_EQ(t.salidas, 0);
    EXPECT_EQ(mensajes.titulos.count(QString()), mensajes.titulos.size());
    // The end of the deal was shown with its banner.
    EXPECT_TRUE(vistos.contains("ganjuego") || vistos.contains("perjuego") ||
                vistos.contains("ganpartida") || vistos.contains("perpartida"))
        << vistos.values().join(' ').toStdString();
}

TEST(PartidaEnVentana, LaCartaRechazadaDaElAvisoYNoCambiaNada) {
    MesaEnPantalla t(11);
    CierraMensajes mensajes;
    // Play until a computer seat leads a suit the human holds along with another.
    for (int mano = 0; mano < 5; ++mano) {
        repartir_y_agrupar(t);
        while (t.controles() == "jugando Command2") {
            MesaEnPantalla::pulsar(t.e().jugando);
            const int salida = t.m().la_salida;
            int del_palo = 0, de_otro = 0;
            for (int i = 1; i <= 10; ++i) {
                if (!t.se_ve(t.e().manos[yo][i])) continue;
                (palo_de_codigo(t.m().manos[yo][i].tag) == salida ? del_palo : de_otro) = i;
            }
            if (t.m().quien_sale != yo && del_palo && de_otro) {
                const Mesa antes = t.m();
                const std::string controles = t.controles();
                MesaEnPantalla::pulsar(t.e().manos[yo][de_otro]);

                ASSERT_EQ(mensajes.textos.size(), 1);
                EXPECT_EQ(mensajes.textos[0].toStdString(),
                          std::string("Tienes que ECHAR ") + mayusculas[salida]);
                EXPECT_TRUE(mensajes.solo_ok);
                EXPECT_EQ(mensajes.titulos[0], QString()); // the program's own title
                // Nothing moved: the card is still in hand and the hand can play.
                EXPECT_EQ(t.controles(), controles);
                EXPECT_FALSE(t.se_ve(t.e().centro[yo]));
                for (int i = 1; i <= 10; ++i) {
                    EXPECT_EQ(t.m().manos[yo][i].visible, antes.manos[yo][i].visible);
                    EXPECT_EQ(t.m().manos[yo][i].tag, antes.manos[yo][i].tag);
                }
                for (int p = oros; p <= bastos; ++p)
                    for (int i = 1; i <= 10; ++i)
                        EXPECT_EQ(t.m().cartas[yo][p][i], antes.cartas[yo][p][i]);
                coincide_con_la_mesa(t);
                // The card of the led suit is taken.
                MesaEnPantalla::pulsar(t.e().manos[yo][del_palo]);
                EXPECT_EQ(t.controles(), "recoger Command2");
                return;
            }
            jugar_una_carta(t, mensajes);
            mensajes.textos.clear();
            MesaEnPantalla::pulsar(t.e().recoger);
        }
    }
    FAIL() << "no deal gave a card to refuse";
}

TEST(PartidaEnVentana, DuranteLasPausasLaVentanaMuestraElRepartoYSoloSalirActua) {
    MesaEnPantalla t(3);
    std::vector<int> vistas;
    std::vector<std::string> controles;
    bool salir_con_foco = false;
    al_esperar(t, [&] {
        vistas.push_back(cartas_en_mano(t));
        controles.push_back(t.controles());
        salir_con_foco = salir_con_foco || t.e().Command2->hasFocus();
    });
    QApplication::setActiveWindow(&t.ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.ventana));
    t.e().barajar->setFocus();
    MesaEnPantalla::pulsar(t.e().barajar);
    // A stray key during the deal must not press SALIR.
    EXPECT_FALSE(salir_con_foco);

    // Before each of the forty cards the window showed the hand as dealt so
    // far: the human gets one card in every round of four, at his place after
    // the leader.
    ASSERT_EQ(vistas.size(), 40u);
    const int puesto = (yo - t.m().quien_sale + 4) % 4;
    for (int i = 0; i < 40; ++i) EXPECT_EQ(vistas[i], (i + 3 - puesto) / 4) << i;
    for (const std::string& c : controles) EXPECT_EQ(c, "Command2");
}

TEST(PartidaEnVentana, SalirEnMitadDeUnaPausaTerminaEnElActo) {
    MesaEnPantalla t(5, {30, 60});
    QTimer::singleShot(100, [&] { MesaEnPantalla::pulsar(t.e().Command2); });
    MesaEnPantalla::pulsar(t.e().barajar); // the deal waits forty times; SALIR comes in one

    EXPECT_EQ(t.salidas, 1);
    EXPECT_TRUE(t.ventana.isHidden());
    // No pause waited after the end, so the deal did not go on on screen.
    EXPECT_EQ(t.ventana.plataforma().esperas(), t.esperas_al_salir);
    EXPECT_LT(t.esperas_al_salir, 40);
}

TEST(PartidaEnVentana, CerrarLaVentanaEsComoSalirTambienEnUnaPausa) {
    {
        MesaEnPantalla t(5, {30, 60});
        QTimer::singleShot(100, [&] { t.ventana.close(); });
        MesaEnPantalla::pulsar(t.e().barajar);
        EXPECT_EQ(t.salidas, 1);
        EXPECT_TRUE(t.ventana.isHidden());
        EXPECT_EQ(t.ventana.plataforma().esperas(), t.esperas_al_salir);
    }
    {
        MesaEnPantalla t;
        EXPECT_TRUE(t.ventana.close());
        EXPECT_EQ(t.salidas, 1);
    }
}

TEST(PartidaEnVentana, ConElTecladoSeJuegaUnaManoEnteraSinRaton) {
    MesaEnPantalla t(7);
    CierraMensajes mensajes;
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
        if (foco == t.e().recoger) ++bazas;
        QTest::keyClick(foco, Qt::Key_Space);
        if (mensajes.textos.size() > avisos) {
            // The closed message box gives the activation back to the table
            // (the window manager does it on a real screen).
            QApplication::setActiveWindow(&t.ventana);
            QTest::keyClick(foco, Qt::Key_Tab);
        }
    } while (t.controles() != "barajar Command2" && ++pasos < 200);
    EXPECT_TRUE(bazas == 10 || t.m().tute_cantado == SiNo::si) << bazas;
    EXPECT_EQ(t.salidas, 0);
    EXPECT_EQ(QApplication::focusWidget(), t.e().barajar);
}
