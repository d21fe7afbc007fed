// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "ui/box_wait.h"

namespace quimbel {

PlataformaQt::PlataformaQt(IntervalosPausa intervalos) {
    Timer1.setInterval(intervalos.corta_ms);
    Timer2.setInterval(intervalos.larga_ms);
    connect(&Timer1, &QTimer::timeout, this, &PlataformaQt::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &PlataformaQt::Timer2_Timer);
    salida = [] { QCoreApplication::exit(0); };
}

void PlataformaQt::arrancar_relojes() {
    Timer1.start();
    Timer2.start();
}

void PlataformaQt::Timer1_Timer() {
    fin_pausa_corta = true;
    if (!bucles_.empty()) bucles_.back()->quit();
}

void PlataformaQt::Timer2_Timer() {
    fin_pausa_larga = true;
    if (!bucles_.empty()) bucles_.back()->quit();
}

void PlataformaQt::esperar_tick(QTimer& timer, bool& fin) {
    if (terminado_) return;
    if (antes_de_esperar) antes_de_esperar();
    fin = false;
    // A timer still running since the window was created keeps its phase.
    if (!timer.isActive()) timer.start();
    ++esperas_;

    QEventLoop bucle;
    bucles_.push_back(&bucle);
    // exec() sleeps in the event dispatcher until something happens; an event
    // that is not the tick (a repaint, a click on SALIR) is handled and the
    // wait goes on.
    while (!fin && !terminado_) {
        if (bucle.exec() < 0) {
            // The application's loops have been told to end by something else
            // than SALIR (the session is closing): the game ends with them and
            // no pause waits any more.
            abandonar();
            break;
        }
    }
    bucles_.pop_back();
    timer.stop();
}

void PlataformaQt::abandonar() {
    terminado_ = true;
    Timer1.stop();
    Timer2.stop();
    if (al_terminar) al_terminar();
}

void PlataformaQt::pausa_corta() {
    esperar_tick(Timer1, fin_pausa_corta);
}

void PlataformaQt::pausa_larga() {
    esperar_tick(Timer2, fin_pausa_larga);
}

void PlataformaQt::pitido() {
    if (!terminado_) QApplication::beep();
}

void PlataformaQt::mensaje(std::string_view texto) {
    if (terminado_) return;
    if (antes_de_esperar) antes_de_esperar();
    // The text alone, one OK button, and the program's own title.
    QMessageBox caja(ventana);
    caja.setIcon(QMessageBox::NoIcon);
    caja.setText(QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
    caja.setStandardButtons(QMessageBox::Ok);
    caja.setFont(fuente_mensaje);
    caja.button(QMessageBox::Ok)->setIcon(QIcon()); // some desktops add one
    if (ventana && lugar_mensaje) caja.move(ventana->mapToGlobal(*lugar_mensaje));
    // Not exec(): the close button of the table must still end the game.
    caja_ = &caja;
    esperar_respuesta(caja, ventana);
    caja_ = nullptr;
}

void PlataformaQt::terminar() {
    if (terminado_) return;
    abandonar();
    // Whatever pause or box is waiting returns at once and no later one
    // waits: the handler that was running runs out without showing anything more.
    if (caja_) caja_->reject();
    for (QEventLoop* bucle : bucles_) bucle->quit();
    if (salida) salida();
}

} // namespace quimbel
