// SPDX-License-Identifier: GPL-3.0-or-later
// An image of the table: shows one picture and, for the human's cards, can be
// clicked. Like the images of the old table it never greys out: a locked card
// looks exactly like a playable one, the lock is only that it does not answer.
#pragma once

#include <QAccessible>
#include <QWidget>

namespace quimbel {

class AlmacenDibujos;

class ImagenMesa : public QWidget {
    Q_OBJECT

  public:
    ImagenMesa(AlmacenDibujos& almacen, QWidget* padre);

    int dibujo() const { return dibujo_; }
    void poner_dibujo(int dibujo);
    // Clickable images answer the mouse and, when enabled, the keyboard
    // (Tab to reach them, Space or Enter to play) and a screen reader's press.
    void hacer_pulsable();
    bool pulsable() const { return pulsable_; }
    // A click that does not come from the mouse: only while the image can act.
    void pulsar();

    // What the picture is to a screen reader: a graphic by default, a button
    // when it can be clicked.
    QAccessible::Role papel() const { return papel_; }
    void poner_papel(QAccessible::Role papel) { papel_ = papel; }

    // The hint's mark (key P) on the card it suggests: a tint and a frame of
    // their own colour, under the yellow focus frame, so that both show on
    // one card; the frame stays clear of the corner's number.
    bool marcada() const { return marcada_; }
    void marcar(bool si);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    AlmacenDibujos& almacen_;
    int dibujo_ = 0;
    bool pulsable_ = false;
    bool apretada_ = false;
    bool marcada_ = false;
    QAccessible::Role papel_ = QAccessible::Graphic;
};

} // namespace quimbel
