// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_shape.h"

#include <QPainter>
#include <algorithm>

namespace quimbel {

FiguraMesa::FiguraMesa(std::optional<QColor> relleno, QColor borde, int grosor, QWidget* padre)
    : QWidget(padre), relleno_(relleno), borde_(borde), grosor_(grosor) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FiguraMesa::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    const QRect caja = rect();
    if (relleno_) pintor.fillRect(caja, *relleno_);
    if (grosor_ <= 0) return;
    // The border as four bands inside the box, so that it never spills over.
    const int g = std::min({grosor_, caja.width(), caja.height()});
    pintor.fillRect(QRect(0, 0, caja.width(), g), borde_);
    pintor.fillRect(QRect(0, caja.height() - g, caja.width(), g), borde_);
    pintor.fillRect(QRect(0, 0, g, caja.height()), borde_);
    pintor.fillRect(QRect(caja.width() - g, 0, g, caja.height()), borde_);
}

} // namespace quimbel
