// SPDX-License-Identifier: GPL-3.0-or-later
// The card back: a white border round a dark red field with a regular
// lattice of gold diamonds, the same for every seat.
#include "ui/pictures/card_back.h"

#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"

#include <QPainterPath>

namespace quimbel::dibujos {

namespace pal = paleta;

void pintar_dorso(QPainter& p, const QRectF& caja) {
    p.save();
    const qreal radio = caja.width() / 15;
    p.setPen(QPen(QColor(pal::gris_oscuro), 1.0));
    p.setBrush(QColor(pal::blanco));
    p.drawRoundedRect(caja.adjusted(0.5, 0.5, -0.5, -0.5), radio, radio);
    const qreal borde = std::max(2.0, caja.width() / 14);
    const QRectF campo = caja.adjusted(borde, borde, -borde, -borde);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(pal::rojo_oscuro));
    p.drawRect(campo);

    // The lattice: rows of small diamonds, every other row shifted by half.
    p.setClipRect(campo);
    const qreal paso = std::max(4.0, campo.width() / 6);
    p.setBrush(QColor(pal::rojo));
    p.setPen(QPen(QColor(pal::amarillo), std::max(0.6, paso / 10)));
    int fila = 0;
    for (qreal y = campo.top(); y < campo.bottom() + paso; y += paso / 2, ++fila) {
        const qreal desfase = (fila % 2) ? paso / 2 : 0;
        for (qreal x = campo.left() - paso + desfase; x < campo.right() + paso; x += paso) {
            QPolygonF rombo;
            rombo << QPointF(x, y - paso * 0.3) << QPointF(x + paso * 0.3, y)
                  << QPointF(x, y + paso * 0.3) << QPointF(x - paso * 0.3, y);
            p.drawPolygon(rombo);
        }
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(pal::amarillo), std::max(0.8, borde / 3)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(campo.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

QPixmap dorso(qreal dpr) {
    return detalle::dibujado(QStringLiteral("dorso"), tam_dorso, dpr, [](QPainter& p) {
        pintar_dorso(p, QRectF(QPointF(0, 0), QSizeF(tam_dorso)));
    });
}

} // namespace quimbel::dibujos
