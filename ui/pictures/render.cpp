#include "ui/pictures/render.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTextLayout>

#include <map>
#include <utility>

namespace quimbel::dibujos::detalle {

QPixmap dibujado(const QString& nombre, QSize tam, qreal dpr,
                 const std::function<void(QPainter&)>& pintar) {
    if (dpr <= 0) dpr = 1.0;
    static std::map<std::pair<QString, int>, QPixmap> cache;
    const auto clave = std::make_pair(nombre, qRound(dpr * 100));
    if (auto it = cache.find(clave); it != cache.end()) return it->second;

    QPixmap pm(qRound(tam.width() * dpr), qRound(tam.height() * dpr));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        pintar(p);
    }
    cache.emplace(clave, pm);
    return pm;
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

// Breaks `texto` into lines no wider than `ancho` at the word boundaries.
QStringList partir(const QString& texto, const QFontMetricsF& fm, qreal ancho) {
    QStringList lineas;
    QString actual;
    for (const QString& palabra : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString prueba = actual.isEmpty() ? palabra : actual + QLatin1Char(' ') + palabra;
        if (!actual.isEmpty() && fm.horizontalAdvance(prueba) > ancho) {
            lineas << actual;
            actual = palabra;
        } else {
            actual = prueba;
        }
    }
    if (!actual.isEmpty()) lineas << actual;
    return lineas;
}

} // namespace

void texto_ajustado(QPainter& p, const QRectF& caja, const QString& texto, int max_pixeles,
                    QColor relleno, QColor borde, qreal grosor_borde, bool cursiva) {
    for (int px = max_pixeles; px >= 4; --px) {
        const QFont f = fuente(px, true, cursiva);
        const QFontMetricsF fm(f);
        const QStringList lineas = partir(texto, fm, caja.width());
        qreal mas_ancha = 0;
        for (const QString& l : lineas) mas_ancha = std::max(mas_ancha, fm.horizontalAdvance(l));
        const qreal alto_linea = fm.ascent() + fm.descent() * 0.3;
        const qreal alto = alto_linea * lineas.size();
        if ((mas_ancha > caja.width() || alto > caja.height()) && px > 4) continue;

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
