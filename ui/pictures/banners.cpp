// SPDX-License-Identifier: GPL-3.0-or-later
// The four banners of the end of a deal and of a match: large letters on
// black inside a dark red frame.
#include "ui/pictures/announcement_pictures.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/render.h"

namespace quimbel::dibujos {

namespace pal = paleta;

QString texto_cartel(Anuncio a) {
    switch (a) {
    case Anuncio::ganjuego: return QStringLiteral("GANAMOS EL JUEGO");
    case Anuncio::perjuego: return QStringLiteral("PERDEMOS EL JUEGO");
    case Anuncio::ganpartida: return QStringLiteral("GANAMOS LA PARTIDA");
    case Anuncio::perpartida: return QStringLiteral("PERDEMOS LA PARTIDA");
    default: return {};
    }
}

void pintar_cartel(QPainter& p, const QRectF& caja, const QString& texto, bool ganamos) {
    p.save();
    p.fillRect(caja, QColor(pal::negro));
    const qreal marco = 10;
    p.setPen(QPen(QColor(pal::rojo_oscuro), marco, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(caja.adjusted(marco / 2, marco / 2, -marco / 2, -marco / 2));
    p.setPen(QPen(QColor(pal::rojo), 1.5));
    p.drawRect(caja.adjusted(marco + 3, marco + 3, -marco - 3, -marco - 3));
    const QRectF letras = caja.adjusted(marco + 12, marco + 10, -marco - 12, -marco - 10);
    detalle::texto_ajustado(p, letras, texto, 44, QColor(ganamos ? pal::amarillo : pal::blanco),
                            QColor(pal::rojo_oscuro), 3);
    p.restore();
}

} // namespace quimbel::dibujos
