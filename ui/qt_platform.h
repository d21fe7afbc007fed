// SPDX-License-Identifier: GPL-3.0-or-later
// The table's platform on Qt: the two pauses wait for a tick of Timer1 (200 ms)
// or Timer2 (5000 ms) in a nested event loop, which sleeps until an event comes,
// so the window stays drawn and answers the mouse while the process uses no
// CPU; the message box; the beep; and the end of the program.
#pragma once

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "core/platform.h"

class QDialog;
class QEventLoop;
class QWidget;

namespace quimbel {

struct IntervalosPausa {
    int corta_ms = 200;  // Timer1
    int larga_ms = 5000; // Timer2
};

class PlataformaQt final : public QObject, public Plataforma {
    Q_OBJECT

  public:
    explicit PlataformaQt(IntervalosPausa intervalos = {});

    // Both timers run from the moment the window is created, so the first
    // pause of each kind may end early.
    void arrancar_relojes();

    void pausa_corta() override;
    void pausa_larga() override;
    void pitido() override;
    void mensaje(std::string_view texto) override;
    void terminar() override;

    // Called before every wait and every message: the window brings its
    // widgets up to date with the table.
    std::function<void()> antes_de_esperar;
    // Called first thing by terminar: the window hides itself.
    std::function<void()> al_terminar;
    // How the program ends: by default the application leaves its event loop,
    // and every loop nested in it, at once. Tests put a recorder here.
    std::function<void()> salida;
    // The parent of the message box.
    QWidget* ventana = nullptr;
    // Where the message box's top-left corner opens, in the window's pixels
    // (by default, centred on the window), and its font.
    std::optional<QPoint> lugar_mensaje;
    QFont fuente_mensaje;

    bool terminado() const { return terminado_; }
    // How many pauses really waited (none do once the program is ending).
    int esperas() const { return esperas_; }
    // A pause or a message box is waiting: the handler that opened it has
    // not finished.
    bool esperando() const { return !bucles_.empty() || caja_ != nullptr; }

    QTimer Timer1;
    QTimer Timer2;
    bool fin_pausa_corta = false;
    bool fin_pausa_larga = false;

  private:
    void esperar_tick(QTimer& timer, bool& fin);
    // Stop the timers and hide the window: nothing more waits or shows.
    void abandonar();
    void Timer1_Timer();
    void Timer2_Timer();

    std::vector<QEventLoop*> bucles_; // the loops of the pauses now waiting, innermost last
    QDialog* caja_ = nullptr;         // the message box now waiting for its OK
    bool terminado_ = false;
    int esperas_ = 0;
};

} // namespace quimbel
