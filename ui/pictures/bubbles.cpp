// SPDX-License-Identifier: GPL-3.0-or-later
// The speech bubbles of the tutes and the 20s.
#include "core/cards.h"
#include "ui/pictures/announcement_pictures.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/render.h"

#include <QPainterPath>

namespace quimbel::dibujos {

namespace pal = paleta;

QString texto_bocadillo(Anuncio a) {
    const int i = static_cast<int>(a);
    if (i < 4) return {};
    switch ((i - 4) % 7) {
    case 0: return QStringLiteral("TUTE DE CABALLOS");
    case 1: return QStringLiteral("TUTE DE REYES");
    case 3: return QStringLiteral("20 EN OROS");
    case 4: return QStringLiteral("20 EN COPAS");
    case 5: return QStringLiteral("20 EN ESPADAS");
    case 6: return QStringLiteral("20 EN BASTOS");
    default: return {};
    }
}

// Each bubble sits beside, above or below its seat, so the tail points to
// where the seat is: the right seat's bubble lies to its left, and so on.
Cola cola_del_asiento(int asiento) {
    switch (asiento) {
    case derecha: return Cola::derecha;
    case arriba: return Cola::arriba;
    case izquierda: return Cola::izquierda;
    default: return Cola::abajo;
    }
}

void pintar_bocadillo(QPainter& p, const QRectF& caja, const QString& texto, bool nuestro,
                      Cola cola) {
    p.save();
    // Room for the tail on its side; the body is an ellipse over the rest.
    const qreal w = caja.width(), h = caja.height();
    const qreal sitio_h = w * 0.16, sitio_v = h * 0.2;
    QRectF cuerpo = caja.adjusted(3, 3, -3, -3);
    QPolygonF punta;
    const QPointF c = caja.center();
    switch (cola) {
    case Cola::derecha:
        cuerpo.setRight(cuerpo.right() - sitio_h);
        punta << QPointF(cuerpo.right() - 20, c.y() - 10) << QPointF(caja.right() - 2, c.y() + 22)
              << QPointF(cuerpo.right() - 28, c.y() + 14);
        break;
    case Cola::izquierda:
        cuerpo.setLeft(cuerpo.left() + sitio_h);
        punta << QPointF(cuerpo.left() + 20, c.y() - 10) << QPointF(caja.left() + 2, c.y() + 22)
              << QPointF(cuerpo.left() + 28, c.y() + 14);
        break;
    case Cola::arriba:
        cuerpo.setTop(cuerpo.top() + sitio_v);
        punta << QPointF(c.x() - 30, cuerpo.top() + 16) << QPointF(c.x() - 46, caja.top() + 2)
              << QPointF(c.x() - 6, cuerpo.top() + 12);
        break;
    case Cola::abajo:
        cuerpo.setBottom(cuerpo.bottom() - sitio_v);
        punta << QPointF(c.x() + 6, cuerpo.bottom() - 12) << QPointF(c.x() + 46, caja.bottom() - 2)
              << QPointF(c.x() + 30, cuerpo.bottom() - 16);
        break;
    }
    QPainterPath globo;
    globo.addEllipse(cuerpo);
    QPainterPath cola_camino;
    cola_camino.addPolygon(punta);
    cola_camino.closeSubpath();
    globo = globo.united(cola_camino);

    const QRgb relleno = nuestro ? pal::rojo : pal::azul;
    const QRgb borde = nuestro ? pal::rojo_oscuro : pal::azul_oscuro;
    p.setPen(QPen(QColor(pal::blanco), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(globo);
    p.setPen(QPen(QColor(borde), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(relleno));
    p.drawPath(globo);
    // The letters inside the ellipse's inscribed rectangle.
    const QRectF letras(cuerpo.center().x() - cuerpo.width() * 0.4,
                        cuerpo.center().y() - cuerpo.height() * 0.32, cuerpo.width() * 0.8,
                        cuerpo.height() * 0.64);
    detalle::texto_ajustado(p, letras, texto, 30, QColor(pal::blanco), QColor(borde), 3);
    p.restore();
}

} // namespace quimbel::dibujos
