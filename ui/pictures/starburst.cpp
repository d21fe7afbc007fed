// SPDX-License-Identifier: GPL-3.0-or-later
// "LAS 40": a red starburst with yellow letters.
#include "ui/pictures/announcement_pictures.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/render.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace quimbel::dibujos {

namespace pal = paleta;

QString texto_estrella() {
    return QStringLiteral("LAS 40");
}

namespace {

QPolygonF estrella(const QRectF& caja, int puntas, qreal hondura) {
    QPolygonF poligono;
    const QPointF c = caja.center();
    const qreal rx = caja.width() / 2, ry = caja.height() / 2;
    for (int i = 0; i < puntas * 2; ++i) {
        const qreal angulo = std::numbers::pi * i / puntas - std::numbers::pi / 2;
        // Alternate long and short rays so the burst looks hand drawn.
        const qreal r = (i % 2 == 0) ? ((i % 4 == 0) ? 1.0 : 0.9) : hondura;
        poligono << QPointF(c.x() + rx * r * std::cos(angulo), c.y() + ry * r * std::sin(angulo));
    }
    return poligono;
}

} // namespace

void pintar_estrella(QPainter& p, const QRectF& caja) {
    p.save();
    const QRectF fuera = caja.adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(pal::rojo_oscuro), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(QColor(pal::rojo));
    p.drawPolygon(estrella(fuera, 16, 0.72));
    p.setPen(QPen(QColor(pal::amarillo), 2));
    p.setBrush(Qt::NoBrush);
    const qreal w = fuera.width(), h = fuera.height();
    p.drawPolygon(estrella(fuera.adjusted(w * 0.06, h * 0.06, -w * 0.06, -h * 0.06), 16, 0.74));
    // The words on one line, as large as the inner star allows.
    const QRectF letras(fuera.center().x() - w * 0.34, fuera.center().y() - h * 0.22, w * 0.68,
                        h * 0.44);
    detalle::texto_ajustado(p, letras, texto_estrella(), 44, QColor(pal::amarillo),
                            QColor(pal::rojo_oscuro), 4);
    p.restore();
}

} // namespace quimbel::dibujos
