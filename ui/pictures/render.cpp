// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/render.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>

#include <map>
#include <utility>

namespace quimbel::dibujos::detalle {

QPixmap pintado(QSize tam, qreal dpr, const std::function<void(QPainter&)>& pintar) {
    if (dpr <= 0) dpr = 1.0;
    QImage lienzo(qRound(tam.width() * dpr), qRound(tam.height() * dpr),
                  QImage::Format_ARGB32_Premultiplied);
    lienzo.setDevicePixelRatio(dpr);
    lienzo.fill(Qt::transparent);
    {
        QPainter p(&lienzo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        pintar(p);
    }
    // An image keeps the paint engine that drew on it, with all its working
    // buffers, for as long as the image lives: often more memory than the
    // pixels. The picture kept is a copy of the pixels alone.
    return QPixmap::fromImage(lienzo.copy());
}

QPixmap dibujado(const QString& nombre, QSize tam, qreal dpr,
                 const std::function<void(QPainter&)>& pintar) {
    if (dpr <= 0) dpr = 1.0;
    static std::map<std::pair<QString, int>, QPixmap> cache;
    const auto clave = std::make_pair(nombre, qRound(dpr * 100));
    if (auto it = cache.find(clave); it != cache.end()) return it->second;
    return cache.emplace(clave, pintado(tam, dpr, pintar)).first->second;
}

QFont fuente(int pixeles, bool negrita, bool cursiva) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, pixeles));
    f.setBold(negrita);
    f.setItalic(cursiva);
    return f;
}

namespace {

// The best way to lay `palabras` out in lines no wider than `ancho`: the
// fewest lines, and among those the most even ones. Empty when even the
// longest word does not fit. Our texts are a few words long, so every split
// is tried.
QStringList repartir(const QStringList& palabras, const QFontMetricsF& fm, qreal ancho) {
    const int n = palabras.size();
    if (n == 0 || n > 12) return palabras;
    QStringList mejor;
    qreal mejor_ancho = 0;
    for (unsigned cortes = 0; cortes < (1u << (n - 1)); ++cortes) {
        QStringList lineas{palabras[0]};
        for (int i = 1; i < n; ++i) {
            if (cortes & (1u << (i - 1)))
                lineas << palabras[i];
            else
                lineas.back() += QLatin1Char(' ') + palabras[i];
        }
        qreal mas_ancha = 0;
        for (const QString& l : lineas) mas_ancha = std::max(mas_ancha, fm.horizontalAdvance(l));
        if (mas_ancha > ancho) continue;
        if (mejor.isEmpty() || lineas.size() < mejor.size() ||
            (lineas.size() == mejor.size() && mas_ancha < mejor_ancho)) {
            mejor = lineas;
            mejor_ancho = mas_ancha;
        }
    }
    return mejor;
}

} // namespace

void texto_ajustado(QPainter& p, const QRectF& caja, const QString& texto, int max_pixeles,
                    QColor relleno, QColor borde, qreal grosor_borde, bool cursiva) {
    const QStringList palabras = texto.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int px = max_pixeles; px >= 4; --px) {
        const QFont f = fuente(px, true, cursiva);
        const QFontMetricsF fm(f);
        QStringList lineas = repartir(palabras, fm, caja.width());
        const qreal alto_linea = fm.ascent() + fm.descent() * 0.3;
        if (px > 4 && (lineas.isEmpty() || alto_linea * lineas.size() > caja.height())) continue;
        if (lineas.isEmpty()) lineas = palabras;
        const qreal alto = alto_linea * lineas.size();

        QPainterPath camino;
        qreal y = caja.center().y() - alto / 2 + fm.ascent();
        for (const QString& l : lineas) {
            const qreal x = caja.center().x() - fm.horizontalAdvance(l) / 2;
            camino.addText(QPointF(x, y), f, l);
            y += alto_linea;
        }
        p.save();
        if (grosor_borde > 0) {
            p.setPen(QPen(borde, grosor_borde, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(camino);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(relleno);
        p.drawPath(camino);
        p.restore();
        return;
    }
}

QPen trazo(QColor color, qreal pixeles, qreal escala) {
    QPen pen(color, pixeles / escala, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

} // namespace quimbel::dibujos::detalle
