// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/suit_pips.h"

#include "ui/pictures/palette.h"
#include "ui/pictures/render.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace quimbel::dibujos {

using detalle::trazo;
namespace pal = paleta;

namespace {

// All shapes are drawn in unit coordinates: the object spans y -0.5 .. 0.5.

void moneda(QPainter& p, qreal s) {
    p.setPen(trazo(pal::oro_oscuro, std::max(1.0, s * 0.09), s));
    p.setBrush(QColor(pal::amarillo));
    p.drawEllipse(QPointF(0, 0), 0.46, 0.46);
    // An inner ring and a small red rosette in the middle.
    p.setPen(trazo(pal::oro_oscuro, std::max(0.8, s * 0.04), s));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 0.3, 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(pal::rojo));
    if (s >= 20) {
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.rotate(45 * i);
            p.drawEllipse(QPointF(0, -0.17), 0.04, 0.04);
            p.restore();
        }
    }
    p.drawEllipse(QPointF(0, 0), 0.09, 0.09);
}

void copa(QPainter& p, qreal s) {
    const QPen borde = trazo(pal::oro_oscuro, std::max(0.9, s * 0.05), s);
    // Foot and stem first, the bowl over them.
    QPainterPath pie;
    pie.moveTo(-0.07, 0.28);
    pie.lineTo(0.07, 0.28);
    pie.quadTo(0.12, 0.42, 0.27, 0.44);
    pie.quadTo(0.3, 0.5, 0.0, 0.5);
    pie.quadTo(-0.3, 0.5, -0.27, 0.44);
    pie.quadTo(-0.12, 0.42, -0.07, 0.28);
    p.setPen(borde);
    p.setBrush(QColor(pal::amarillo));
    p.drawPath(pie);
    p.drawRect(QRectF(-0.055, 0.0, 0.11, 0.3));
    p.setBrush(QColor(pal::rojo));
    p.drawEllipse(QPointF(0, 0.16), 0.1, 0.07);

    QPainterPath cuenco;
    cuenco.moveTo(-0.37, -0.4);
    cuenco.cubicTo(-0.37, -0.05, -0.2, 0.04, 0, 0.04);
    cuenco.cubicTo(0.2, 0.04, 0.37, -0.05, 0.37, -0.4);
    cuenco.closeSubpath();
    p.setBrush(QColor(pal::amarillo));
    p.drawPath(cuenco);
    // A red band round the bowl and the wine seen over the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(pal::rojo));
    QPainterPath banda;
    banda.addRect(QRectF(-0.4, -0.27, 0.8, 0.08));
    p.drawPath(banda.intersected(cuenco));
    p.setPen(borde);
    p.setBrush(QColor(pal::rojo_oscuro));
    p.drawEllipse(QPointF(0, -0.41), 0.37, 0.08);
}

void espada(QPainter& p, qreal s) {
    const qreal media = std::max(0.065, 1.6 / s); // half the blade's width
    QPainterPath hoja;
    hoja.moveTo(0, -0.5);
    hoja.lineTo(media, -0.5 + media * 2.5);
    hoja.lineTo(media, 0.2);
    hoja.lineTo(-media, 0.2);
    hoja.lineTo(-media, -0.5 + media * 2.5);
    hoja.closeSubpath();
    p.setPen(trazo(pal::azul_oscuro, std::max(0.7, s * 0.025), s));
    p.setBrush(QColor(pal::azul));
    p.drawPath(hoja);
    if (s >= 24) {
        p.setPen(trazo(pal::blanco, std::max(0.6, s * 0.012), s));
        p.drawLine(QPointF(0, -0.5 + media * 3), QPointF(0, 0.17));
    }
    // The yellow hilt: cross-guard with knobs, grip and pommel.
    const QPen borde = trazo(pal::oro_oscuro, std::max(0.7, s * 0.025), s);
    const qreal guarda = std::max(0.035, 0.9 / s);
    p.setPen(borde);
    p.setBrush(QColor(pal::amarillo));
    p.drawRoundedRect(QRectF(-0.2, 0.2 - guarda, 0.4, guarda * 2 + 0.02), 0.02, 0.02);
    p.drawEllipse(QPointF(-0.21, 0.21), guarda * 1.2, guarda * 1.2);
    p.drawEllipse(QPointF(0.21, 0.21), guarda * 1.2, guarda * 1.2);
    const qreal puno = std::max(0.04, 1.2 / s);
    p.setBrush(QColor(pal::oro_oscuro));
    p.drawRect(QRectF(-puno, 0.24, puno * 2, 0.18));
    p.setBrush(QColor(pal::amarillo));
    p.drawEllipse(QPointF(0, 0.45), puno * 1.4, std::min(0.05, puno * 1.4));
}

// A wooden club, thick and rounded at the top, thin at the grip, with round
// knots swelling out of its sides where twigs were cut off, and a green cord
// bound round the grip.
void basto(QPainter& p, qreal s) {
    const qreal cabeza = std::max(0.15, 3.4 / s); // half width at the thick end
    const qreal mango = cabeza * 0.5;             // half width at the grip
    const auto mitad_en = [&](qreal y) { return mango + (cabeza - mango) * (0.5 - y) / 0.85; };
    const QPen borde = trazo(pal::negro, std::max(0.8, s * 0.028), s);

    // The outline is one shape, head and knots united with the club. Paths
    // are united as polygons whose fineness depends on their size, so the
    // shape is built a hundred times larger and brought back.
    constexpr qreal g = 100;
    QPainterPath palo;
    palo.moveTo(-mango * g, 0.5 * g);
    palo.lineTo(-cabeza * g, -0.3 * g);
    palo.lineTo(cabeza * g, -0.3 * g);
    palo.lineTo(mango * g, 0.5 * g);
    palo.closeSubpath();
    QPainterPath porra; // the round head
    porra.addEllipse(QPointF(0, -0.34 * g), cabeza * 1.12 * g, 0.16 * g);
    palo = palo.united(porra);
    // The knots: round swellings on alternate sides, fewer on a small club.
    const int nudos = s >= 40 ? 4 : s >= 20 ? 3 : 2;
    const qreal radio = std::max(0.05, 1.3 / s);
    QList<QPointF> ojos;
    for (int i = 0; i < nudos; ++i) {
        const qreal y = -0.2 + (i + 0.5) * (0.46 / nudos);
        const qreal lado = i % 2 == 0 ? -1 : 1;
        const QPointF c(lado * (mitad_en(y) + radio * 0.15), y);
        QPainterPath bulto;
        bulto.addEllipse(c * g, radio * g, radio * 1.15 * g);
        palo = palo.united(bulto);
        ojos << c;
    }
    palo = QTransform::fromScale(1 / g, 1 / g).map(palo);

    p.setPen(borde);
    p.setBrush(QColor(pal::marron));
    p.drawPath(palo);
    // The light down one side that makes the wood round, and the grain.
    p.setPen(trazo(pal::oro_oscuro, std::max(0.8, s * 0.03), s));
    p.drawLine(QPointF(-cabeza * 0.45, -0.36), QPointF(-mango * 0.45, 0.44));
    if (s >= 24) {
        p.setPen(trazo(pal::negro, std::max(0.5, s * 0.01), s));
        p.drawLine(QPointF(cabeza * 0.3, -0.3), QPointF(mango * 0.25, 0.2));
    }
    // The cord round the grip.
    const qreal y0 = 0.3, y1 = 0.4;
    p.setPen(trazo(pal::verde_oscuro, std::max(0.6, s * 0.018), s));
    p.setBrush(QColor(pal::verde));
    p.drawPolygon(QPolygonF({QPointF(-mitad_en(y0) - 0.01, y0), QPointF(mitad_en(y0) + 0.01, y0),
                             QPointF(mitad_en(y1) + 0.01, y1), QPointF(-mitad_en(y1) - 0.01, y1)}));
    // The eye of each knot: a light ring round a dark heart. The cut end of the grip.
    p.setPen(trazo(pal::oro_oscuro, std::max(0.6, s * 0.018), s));
    p.setBrush(QColor(pal::negro));
    for (const QPointF& c : ojos) p.drawEllipse(c, radio * 0.45, radio * 0.55);
    p.setPen(trazo(pal::negro, std::max(0.6, s * 0.015), s));
    p.setBrush(QColor(pal::oro_oscuro));
    p.drawEllipse(QPointF(0, 0.49), mango * 0.85, std::max(0.02, 0.6 / s));
}

} // namespace

void pintar_pinta(QPainter& p, int palo, QPointF centro, qreal alto, qreal grados) {
    // The object's height on the card, whatever scale the caller draws at:
    // line widths and details are chosen for what the player will see.
    const qreal s = alto * std::sqrt(std::abs(p.worldTransform().determinant()));
    p.save();
    p.translate(centro);
    p.rotate(grados);
    p.scale(alto, alto);
    switch (palo) {
    case 1: moneda(p, s); break;
    case 2: copa(p, s); break;
    case 3: espada(p, s); break;
    default: basto(p, s); break;
    }
    p.restore();
}

} // namespace quimbel::dibujos
