// SPDX-License-Identifier: GPL-3.0-or-later
// What every family of pictures shares: rendering at the screen's pixel ratio
// with a cache, the fonts, and text that shrinks to fit its box.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

namespace quimbel::dibujos::detalle {

// A picture drawn by `pintar` in logical pixels on a transparent pixmap of
// tam * dpr device pixels, each time it is asked for.
QPixmap pintado(QSize tam, qreal dpr, const std::function<void(QPainter&)>& pintar);

// The picture called `nombre`, as pintado draws it, drawn once per (name, dpr)
// and kept for the rest of the run: the table shows the same faces many times.
QPixmap dibujado(const QString& nombre, QSize tam, qreal dpr,
                 const std::function<void(QPainter&)>& pintar);

// A sans-serif face that is on every machine we build for, in logical pixels.
QFont fuente(int pixeles, bool negrita = true, bool cursiva = false);

// Draws `texto` centred in `caja` with word wrap, at the largest size up to
// `max_pixeles` that fits, filled with `relleno` and outlined with `borde`
// (no outline when `grosor_borde` is 0).
void texto_ajustado(QPainter& p, const QRectF& caja, const QString& texto, int max_pixeles,
                    QColor relleno, QColor borde = Qt::transparent, qreal grosor_borde = 0,
                    bool cursiva = false);

// A pen of `pixeles` width in a painter scaled by `escala` (so that thin
// lines keep their width when a shape is drawn in unit coordinates).
QPen trazo(QColor color, qreal pixeles, qreal escala = 1.0);

} // namespace quimbel::dibujos::detalle
