// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the program whatever is open: at rest, in the middle of a short
// pause (the deal), of a long pause (a declaration or a banner shown), and
// while the refusal box waits for its OK; ended by SALIR, by the window
// manager's close button, or by the desktop asking every window to close (as
// at log-out).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWindow>

#include "table_window_support.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

enum class Momento { reposo, pausa_corta, pausa_larga, caja };
enum class Fin { salir, cerrar, escritorio };

const char* nombre(Momento m) {
    const char* n[] = {"at rest", "short pause", "long pause", "refusal box"};
    return n[static_cast<int>(m)];
}
const char* nombre(Fin f) {
    const char* n[] = {"SALIR", "close button", "desktop quit"};
    return n[static_cast<int>(f)];
}

void terminar(MesaEnPantalla& t, Fin como) {
    switch (como) {
    case Fin::salir: MesaEnPantalla::pulsar(t.e().Command2); break;
    // What the platform does on the window manager's close: a close event to
    // the window, which Qt drops while a modal window blocks it.
    case Fin::cerrar: t.ventana.windowHandle()->close(); break;
    // What the application does when the desktop asks it to quit.
    case Fin::escritorio: QApplication::closeAllWindows(); break;
    }
}

// Deals, groups and plays tricks by clicks (the cards tried from the left)
// until the program ends.
void jugar_hasta_salir(MesaEnPantalla& t) {
    auto pulsar = [&t](QWidget* w) {
        if (t.salidas == 0 && t.activo(w)) MesaEnPantalla::pulsar(w);
    };
    pulsar(t.e().barajar);
    pulsar(t.e().ordenamelas);
    for (int baza = 0; baza < 10 && t.salidas == 0; ++baza) {
        pulsar(t.e().jugando);
        for (int i = 1; i <= 10 && !t.se_ve(t.e().centro[yo]); ++i) pulsar(t.e().manos[yo][i]);
        pulsar(t.e().recoger);
    }
}

} // namespace

TEST(FinDelPrograma, TerminaEnElActoHagaLoQueHagaLaMesa) {
    for (Momento cuando :
         {Momento::reposo, Momento::pausa_corta, Momento::pausa_larga, Momento::caja}) {
        for (Fin como : {Fin::salir, Fin::cerrar, Fin::escritorio}) {
            SCOPED_TRACE(std::string(nombre(cuando)) + ", " + nombre(como));
            MesaEnPantalla t(7);
            PlataformaQt& p = t.ventana.plataforma();
            bool fin_pedido = false, caja_modal = false, salir_en_la_caja = false;
            auto pedir_fin = [&] {
                fin_pedido = true;
                QTimer::singleShot(0, &t.ventana, [&] { terminar(t, como); });
            };
            if (cuando == Momento::pausa_corta) {
                t.al_esperar([&] {
                    if (!fin_pedido && p.esperas() == 5) pedir_fin(); // the fifth card dealt
                });
            } else if (cuando == Momento::pausa_larga) {
                t.al_esperar([&] {
                    bool anuncio = false;
                    for (ImagenMesa* a : t.e().anuncios) anuncio = anuncio || t.se_ve(a);
                    if (!anuncio || fin_pedido) return;
                    p.Timer2.setInterval(60'000); // a pause that only the end can cut short
                    pedir_fin();
                });
            }
            // Every box is answered with OK, but the one the end comes in. While
            // a box is up SALIR cannot be pressed, and nothing blocks the close.
            int cajas = 0;
            QTimer mirar_caja;
            QObject::connect(&mirar_caja, &QTimer::timeout, [&] {
                QMessageBox* caja = caja_abierta();
                if (caja == nullptr || fin_pedido) return;
                ++cajas;
                caja_modal = caja_modal || QGuiApplication::modalWindow() != nullptr;
                MesaEnPantalla::pulsar(t.e().Command2);
                salir_en_la_caja = salir_en_la_caja || t.salidas > 0;
                if (cuando == Momento::caja && como != Fin::salir)
                    pedir_fin();
                else
                    caja->button(QMessageBox::Ok)->click();
            });
            mirar_caja.start(2);
            // Whatever still waits after the end is freed, to fail rather than hang.
            bool colgado = false;
            QTimer::singleShot(5000, &t.ventana, [&] {
                colgado = true;
                if (QMessageBox* caja = caja_abierta()) caja->reject();
                p.Timer1.setInterval(1);
                p.Timer2.setInterval(1);
            });

            if (cuando == Momento::reposo || (cuando == Momento::caja && como == Fin::salir)) {
                if (cuando == Momento::caja)
                    jugar_hasta_salir(t); // a whole deal, its boxes answered
                terminar(t, como);
            } else {
                jugar_hasta_salir(t);
            }
            EXPECT_EQ(fin_pedido, cuando != Momento::reposo &&
                                      !(cuando == Momento::caja && como == Fin::salir));
            EXPECT_TRUE(cuando != Momento::caja || cajas > 0);
            EXPECT_FALSE(colgado);
            EXPECT_FALSE(caja_modal);
            EXPECT_FALSE(salir_en_la_caja);
            EXPECT_EQ(t.salidas, 1);
            EXPECT_TRUE(t.ventana.isHidden());
            EXPECT_EQ(caja_abierta(), nullptr);
            // No pause waited after the end, so the game did not go on on screen.
            EXPECT_EQ(p.esperas(), t.esperas_al_salir);
        }
    }
}
