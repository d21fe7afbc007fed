// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/score_header.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace quimbel {

namespace {

// Room kept free between two words.
constexpr qreal entre_palabras = 4;

} // namespace

CabeceraMarcador::CabeceraMarcador(const QString& texto, QList<qreal> centros, QWidget* padre)
    : QLabel(texto, padre), centros_(std::move(centros)) {}

qreal CabeceraMarcador::estrechamiento() const {
    const QStringList palabras = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QFontMetricsF fm(font());
    qreal factor = 1;
    for (int i = 0; i < palabras.size() && i < centros_.size(); ++i) {
        const qreal centro = centros_[i] - x();
        // Half the room the word has on its narrower side.
        qreal media = std::min(centro, width() - centro);
        if (i > 0) media = std::min(media, (centro - (centros_[i - 1] - x()) - entre_palabras) / 2);
        if (i + 1 < centros_.size())
            media = std::min(media, ((centros_[i + 1] - x()) - centro - entre_palabras) / 2);
        const qreal ancho = fm.horizontalAdvance(palabras[i]);
        if (ancho > 2 * media) factor = std::min(factor, 2 * media / ancho);
    }
    return factor;
}

void CabeceraMarcador::paintEvent(QPaintEvent*) {
    const QStringList palabras = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QFontMetricsF fm(font());
    const qreal factor = estrechamiento();
    const qreal linea_base = (height() - fm.height()) / 2 + fm.ascent();
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < palabras.size() && i < centros_.size(); ++i) {
        p.save();
        p.translate(centros_[i] - x(), linea_base);
        p.scale(factor, 1);
        p.drawText(QPointF(-fm.horizontalAdvance(palabras[i]) / 2, 0), palabras[i]);
        p.restore();
    }
}

} // namespace quimbel
