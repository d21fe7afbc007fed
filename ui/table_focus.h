// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard focus waits on the table, and what the arrow keys do:
// all the window's keyboard moves in one place. The focus waits on the
// control that acts next (at the human's turn, the first card the rules
// accept), so that Space after Space plays the game; the arrow keys move it
// among the cards and the controls that can act, never onto SALIR, which
// keeps the focus only when the player Tabs or clicks to it.
#pragma once

#include <QObject>
#include <QWidget>

#include "core/table.h"
#include "ui/table_elements.h"

namespace quimbel {

class PlataformaQt;

class FocoMesa final : public QObject {
  public:
    FocoMesa(QWidget& ventana, const ElementosMesa& e, const Mesa& m, const PlataformaQt& p);

    // Watches the keys and focus of the human's cards and the buttons; called
    // once they are built.
    void vigilar();
    // After every step of the game, given where the focus was before the
    // window showed it: the focus goes on to the control that acts next when
    // that can no longer act, is SALIR the player did not choose, or is a
    // card the rules refuse.
    void tras_un_paso(QWidget* foco);
    // The control that acts next takes the focus; the window itself when
    // only SALIR can act, so that keys do nothing.
    void al_siguiente();

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    bool activo(const QWidget* w) const;
    bool rehusada(const QWidget* w) const;
    QWidget* primera_carta() const;
    // The cards and buttons an arrow key can reach, left to right.
    QList<QWidget*> alcanzables() const;
    bool flecha(int tecla, QWidget* desde);

    QWidget& ventana_;
    const ElementosMesa& e_;
    const Mesa& m_;
    const PlataformaQt& plataforma_;
    bool salir_elegido_ = false; // SALIR has the focus because the player put it there
};

} // namespace quimbel
