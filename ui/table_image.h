// An image of the table: shows one picture and, for the human's cards, can be
// clicked. Like the images of the old table it never greys out: a locked card
// looks exactly like a playable one, the lock is only that it does not answer.
#pragma once

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
    // (Tab to reach them, Space or Enter to play).
    void hacer_pulsable();

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
};

} // namespace quimbel
