// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/picture_store.h"
#include "ui/table_style.h"

namespace quimbel {

ImagenMesa::ImagenMesa(AlmacenDibujos& almacen, QWidget* padre)
    : QWidget(padre), almacen_(almacen) {
    // Pictures are inert: a click on one falls through to nothing.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ImagenMesa::poner_dibujo(int dibujo) {
    if (dibujo == dibujo_) return;
    dibujo_ = dibujo;
    update();
}

void ImagenMesa::hacer_pulsable() {
    pulsable_ = true;
    papel_ = QAccessible::Button;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab but not focused by the mouse, so that a click does not
    // leave a focus frame on the card.
    setFocusPolicy(isEnabled() ? Qt::TabFocus : Qt::NoFocus);
}

void ImagenMesa::pulsar() {
    if (pulsable_ && isEnabled() && isVisible()) emit clicked();
}

void ImagenMesa::paintEvent(QPaintEvent*) {
    const QPixmap& p = almacen_.dibujo(dibujo_, devicePixelRatioF());
    QPainter pintor(this);
    if (!p.isNull()) {
        // A picture is shown at its own size from the top-left corner, like the
        // old images; one larger than its image (the 63 x 84 back on a card of
        // 60 x 81) is shrunk to fit.
        const QSizeF propio = p.deviceIndependentSize();
        if (propio.width() <= width() && propio.height() <= height()) {
            pintor.drawPixmap(QPointF(0, 0), p);
        } else {
            pintor.setRenderHint(QPainter::SmoothPixmapTransform);
            pintor.drawPixmap(rect(), p);
        }
    }
    if (marcada_) {
        QColor velo = estilo::marca_pista;
        velo.setAlpha(40);
        pintor.fillRect(rect(), velo);
        pintor.setPen(QPen(estilo::marca_pista, 3));
        pintor.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (hasFocus()) {
        pintor.setPen(QPen(estilo::marco_foco, 2));
        pintor.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void ImagenMesa::marcar(bool si) {
    if (si == marcada_) return;
    marcada_ = si;
    update();
}

void ImagenMesa::mousePressEvent(QMouseEvent* e) {
    apretada_ = pulsable_ && e->button() == Qt::LeftButton;
}

void ImagenMesa::mouseReleaseEvent(QMouseEvent* e) {
    // A click is a press and a release on the same card.
    const bool click =
        apretada_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    apretada_ = false;
    if (click) emit clicked();
}

void ImagenMesa::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (pulsable_ && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter)) {
        pulsar();
        return;
    }
    QWidget::keyPressEvent(e);
}

void ImagenMesa::changeEvent(QEvent* e) {
    // A locked card leaves the Tab order; nothing else about it changes.
    if (e->type() == QEvent::EnabledChange && pulsable_)
        setFocusPolicy(isEnabled() ? Qt::TabFocus : Qt::NoFocus);
    QWidget::changeEvent(e);
}

void ImagenMesa::hideEvent(QHideEvent* e) {
    if (!AlmacenDibujos::se_guarda(dibujo_)) almacen_.soltar(dibujo_);
    QWidget::hideEvent(e);
}

} // namespace quimbel
