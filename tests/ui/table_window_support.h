// The real table window for the tests: a scripted deck, pauses of a few
// milliseconds, and an end of the program that is only recorded.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <string>

#include "core/random_source.h"
#include "ui/table_image.h"
#include "ui/table_window.h"

namespace quimbel::prueba {

struct MesaEnPantalla {
    explicit MesaEnPantalla(std::uint64_t semilla = 1, IntervalosPausa pausas = {1, 2})
        : azar(semilla), ventana(OpcionesMesa{pausas, &azar, [this] {
                                                  ++salidas;
                                                  esperas_al_salir = ventana.plataforma().esperas();
                                              }}) {
        ventana.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }

    AzarGuionado azar;
    int salidas = 0;
    int esperas_al_salir = -1;
    VentanaMesa ventana;

    Mesa& m() { return ventana.mesa(); }
    const ElementosMesa& e() const { return ventana.elementos(); }
    QWidget* hijo(const QString& nombre) { return ventana.findChild<QWidget*>(nombre); }
    bool se_ve(const QWidget* w) const { return w->isVisibleTo(&ventana); }
    bool activo(const QWidget* w) const { return se_ve(w) && w->isEnabled(); }

    // A left click in the middle of a widget, as the user makes it.
    static void pulsar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    // The controls that can act now, in a fixed order; "yo" when any card of
    // the human's hand can be clicked.
    std::string controles() const {
        std::string s;
        auto anotar = [&](const QWidget* w, const char* nombre) {
            if (activo(w)) s += std::string(s.empty() ? "" : " ") + nombre;
        };
        anotar(e().barajar, "barajar");
        anotar(e().ordenamelas, "ordenamelas");
        anotar(e().jugando, "jugando");
        bool mano = false;
        for (int i = 1; i <= 10; ++i) mano = mano || activo(e().manos[yo][i]);
        if (mano) s += std::string(s.empty() ? "" : " ") + "yo";
        anotar(e().recoger, "recoger");
        anotar(e().Command2, "Command2");
        return s;
    }
};

// Closes every message box the game opens, keeping its text, title and buttons.
struct CierraMensajes {
    QStringList textos;
    QStringList titulos;
    bool solo_ok = true;
    QTimer reloj;

    CierraMensajes() {
        reloj.setInterval(5);
        QObject::connect(&reloj, &QTimer::timeout, [this] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (caja == nullptr) return;
            textos << caja->text();
            titulos << caja->windowTitle();
            solo_ok = solo_ok && caja->standardButtons() == QMessageBox::Ok &&
                      caja->icon() == QMessageBox::NoIcon;
            caja->button(QMessageBox::Ok)->click();
        });
        reloj.start();
    }
};

} // namespace quimbel::prueba
