// SPDX-License-Identifier: GPL-3.0-or-later
// The real table window for the tests: a scripted deck, pauses of a few
// milliseconds, and an end of the program that is only recorded.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStringList>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "core/random_source.h"
#include "ui/table_image.h"
#include "ui/table_style.h"
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

    // The window manager gives the table the activation: the platform grants
    // what activateWindow() asks as it processes its events.
    bool activar() {
        ventana.activateWindow();
        return QTest::qWaitForWindowActive(&ventana);
    }

    Mesa& m() { return ventana.mesa(); }
    const ElementosMesa& e() const { return ventana.elementos(); }
    QWidget* hijo(const QString& nombre) { return ventana.findChild<QWidget*>(nombre); }
    bool se_ve(const QWidget* w) const { return w->isVisibleTo(&ventana); }
    bool activo(const QWidget* w) const { return se_ve(w) && w->isEnabled(); }
    static void pulsar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    int cartas_en_mano() const {
        int n = 0;
        for (int i = 1; i <= 10; ++i) n += se_ve(e().manos[yo][i]);
        return n;
    }

    // The controls that can act now, in a fixed order; "yo" when any card of
    // the human's hand can be clicked.
    std::string controles() const {
        bool mano = false;
        for (int i = 1; i <= 10; ++i) mano = mano || activo(e().manos[yo][i]);
        std::string s;
        auto anotar = [&s](bool si, const char* nombre) {
            if (si) s += std::string(s.empty() ? "" : " ") + nombre;
        };
        anotar(activo(e().barajar), "barajar");
        anotar(activo(e().ordenamelas), "ordenamelas");
        anotar(activo(e().jugando), "jugando");
        anotar(mano, "yo");
        anotar(activo(e().recoger), "recoger");
        anotar(activo(e().Command2), "Command2");
        return s;
    }

    // Runs `mirar` at every pause, once the window is up to date, before the wait.
    void al_esperar(std::function<void()> mirar) {
        PlataformaQt& p = ventana.plataforma();
        p.antes_de_esperar = [refrescar = p.antes_de_esperar, mirar = std::move(mirar)] {
            refrescar();
            mirar();
        };
    }
};

// The message box now showing, if any.
inline QMessageBox* caja_abierta() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* caja = qobject_cast<QMessageBox*>(w); caja && caja->isVisible()) return caja;
    return nullptr;
}

// Closes every message box the game opens, keeping its text and where it
// opened (its frame in the window's pixels). `solo_ok` stays true while every
// box had the program's title, no icon, the table's font and one OK button
// without an icon.
struct CierraMensajes {
    QStringList textos;
    QList<QRect> lugares;
    bool solo_ok = true;
    QTimer reloj;

    explicit CierraMensajes(const QWidget* ventana = nullptr) {
        QObject::connect(&reloj, &QTimer::timeout, [this, ventana] {
            QMessageBox* caja = caja_abierta();
            if (caja == nullptr) return;
            textos << caja->text();
            const QRect marco = caja->frameGeometry();
            if (ventana) lugares << QRect(ventana->mapFromGlobal(marco.topLeft()), marco.size());
            QAbstractButton* ok = caja->button(QMessageBox::Ok);
            solo_ok = solo_ok && caja->standardButtons() == QMessageBox::Ok &&
                      caja->icon() == QMessageBox::NoIcon && caja->windowTitle().isEmpty() &&
                      ok->icon().isNull() && caja->font() == estilo::fuente_mesa();
            ok->click();
        });
        reloj.start(5);
    }
};

// While it lives, the style puts an icon on every button of a dialog, as some
// desktops do (a green arrow on OK); the game's message box must still show none.
struct IconosEnLosBotones {
    struct Estilo : QProxyStyle {
        using QProxyStyle::QProxyStyle;
        int styleHint(StyleHint pista, const QStyleOption* o, const QWidget* w,
                      QStyleHintReturn* r) const override {
            return pista == SH_DialogButtonBox_ButtonsHaveIcons
                       ? 1
                       : QProxyStyle::styleHint(pista, o, w, r);
        }
    };
    const QString antes = QApplication::style()->name();
    IconosEnLosBotones() { QApplication::setStyle(new Estilo(QStyleFactory::create(antes))); }
    ~IconosEnLosBotones() { QApplication::setStyle(QStyleFactory::create(antes)); }
};

} // namespace quimbel::prueba
