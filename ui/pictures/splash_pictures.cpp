// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window's other pictures: the product name, the small card
// table in play and the round "EMPEZAR A JUGAR" picture.
#include "core/announcements.h"
#include "ui/pictures/announcement_pictures.h"
#include "ui/pictures/card_back.h"
#include "ui/pictures/card_faces.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace quimbel::dibujos {

namespace pal = paleta;

namespace {

const QString nombre_producto = QStringLiteral("Quimbel");
const QString texto_empezar = QStringLiteral("EMPEZAR A JUGAR");
// The bubble of the round picture, the same words as the table's 20 bubble.
constexpr Anuncio bocadillo_empezar = Anuncio::ab20copas;

// A card face or back drawn small, centred on `c`, turned `grados`.
void naipe_pequeno(QPainter& p, int naipe, QPointF c, qreal escala, qreal grados) {
    p.save();
    p.translate(c);
    p.rotate(grados);
    p.scale(escala, escala);
    if (naipe == 0) {
        pintar_dorso(p, QRectF(-tam_dorso.width() / 2.0, -tam_dorso.height() / 2.0,
                               tam_dorso.width(), tam_dorso.height()));
    } else {
        p.translate(-tam_carta.width() / 2.0, -tam_carta.height() / 2.0);
        pintar_carta(p, naipe);
    }
    p.restore();
}

void pintar_logo(QPainter& p) {
    const QRectF caja(QPointF(0, 0), QSizeF(tam_logo));
    const QFont f = detalle::fuente(60, true, true);
    // The letters one by one along a gentle arch, the middle ones raised.
    QPainterPath letras;
    const QFontMetricsF fm(f);
    const qreal total = fm.horizontalAdvance(nombre_producto);
    qreal x = 0;
    for (const QChar letra : nombre_producto) {
        const qreal avance = fm.horizontalAdvance(letra);
        const qreal t = (x + avance / 2) / total - 0.5; // -0.5 .. 0.5
        QPainterPath una;
        una.addText(-avance / 2, 0, f, QString(letra));
        QTransform giro;
        giro.translate(x + avance / 2, -60 * (0.25 - t * t));
        giro.rotate(t * 24);
        letras.addPath(giro.map(una));
        x += avance;
    }
    // Fit the word in the box, a little stretched upward like word art.
    const QRectF r = letras.boundingRect();
    QTransform t;
    t.translate(4, 4);
    t.scale((caja.width() - 11) / r.width(), (caja.height() - 11) / r.height());
    t.translate(-r.left(), -r.top());
    letras = t.map(letras);
    letras.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(pal::negro));
    p.drawPath(letras.translated(3, 3));
    p.setPen(QPen(QColor(pal::amarillo), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letras);
    p.setPen(QPen(QColor(pal::rojo_oscuro), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(pal::rojo));
    p.drawPath(letras);
}

// A table seen from above with a trick in the middle and the four hands.
void pintar_mesa_en_juego(QPainter& p, const QRectF& mesa) {
    p.setPen(QPen(QColor(pal::marron), 6));
    p.setBrush(QColor(pal::tapete));
    p.drawEllipse(mesa.adjusted(3, 3, -3, -3));
    const QPointF c = mesa.center();
    const qreal k = mesa.width() / 180.0;
    const qreal e = 0.36 * k;
    // The computer seats' backs.
    for (int i = -2; i <= 2; ++i) {
        naipe_pequeno(p, 0, QPointF(c.x() + i * 12 * k, mesa.top() + 30 * k), e, i * 6);
        naipe_pequeno(p, 0, QPointF(mesa.left() + 30 * k, c.y() + i * 12 * k), e, 90 + i * 6);
        naipe_pequeno(p, 0, QPointF(mesa.right() - 30 * k, c.y() + i * 12 * k), e, -90 - i * 6);
    }
    // The trick on the table and the human's fan.
    naipe_pequeno(p, 10, QPointF(c.x() - 12 * k, c.y() - 4 * k), e, -12);
    naipe_pequeno(p, 19, QPointF(c.x() + 12 * k, c.y() - 6 * k), e, 10);
    naipe_pequeno(p, 11, QPointF(c.x(), c.y() + 10 * k), e, 0);
    const int mano[] = {1, 13, 24, 39, 30};
    for (int i = -2; i <= 2; ++i)
        naipe_pequeno(p, mano[i + 2],
                      QPointF(c.x() + i * 13 * k, mesa.bottom() - 30 * k + std::abs(i) * 3 * k), e,
                      i * 8);
}

void pintar_mesita(QPainter& p) {
    const QRectF caja(QPointF(0, 0), QSizeF(tam_mesita));
    p.fillRect(caja, QColor(pal::rojo_oscuro));
    pintar_mesa_en_juego(p, caja.adjusted(4, 4, -4, -4));
}

void pintar_empezar(QPainter& p) {
    const QRectF caja(QPointF(0, 0), QSizeF(tam_empezar));
    QPainterPath redondo;
    redondo.addEllipse(caja.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(pal::amarillo), 3));
    p.setBrush(QColor(pal::rojo_oscuro));
    p.drawPath(redondo);
    p.save();
    p.setClipPath(redondo);
    pintar_mesa_en_juego(p, caja.adjusted(8, 12, -8, -12));
    // The words on a red ribbon across the lower half.
    const QRectF cinta(0, caja.height() * 0.54, caja.width(), 46);
    p.fillRect(cinta, QColor(pal::rojo));
    p.setPen(QPen(QColor(pal::amarillo), 1.5));
    p.drawLine(cinta.topLeft(), cinta.topRight());
    p.drawLine(cinta.bottomLeft(), cinta.bottomRight());
    detalle::texto_ajustado(p, cinta.adjusted(12, 3, -12, -3), texto_empezar, 22,
                            QColor(pal::blanco), QColor(pal::rojo_oscuro), 3);
    p.restore();
    // The bubble of a 20 being sung, at the top.
    p.save();
    const QRectF globo(44, 6, 92, 60);
    p.translate(globo.topLeft());
    p.scale(globo.width() / tam_bocadillo.width(), globo.height() / tam_bocadillo.height());
    pintar_bocadillo(p, QRectF(QPointF(0, 0), QSizeF(tam_bocadillo)),
                     texto_anuncio(bocadillo_empezar), true, Cola::abajo);
    p.restore();
}

} // namespace

QPixmap logo(qreal dpr) {
    return detalle::dibujado(QStringLiteral("logo"), tam_logo, dpr, pintar_logo);
}

QPixmap mesita(qreal dpr) {
    return detalle::dibujado(QStringLiteral("mesita"), tam_mesita, dpr, pintar_mesita);
}

QPixmap empezar(qreal dpr) {
    return detalle::dibujado(QStringLiteral("empezar"), tam_empezar, dpr, pintar_empezar);
}

} // namespace quimbel::dibujos
