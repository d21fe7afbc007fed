// SPDX-License-Identifier: GPL-3.0-or-later
// The three figures of each suit: the Sota (a standing page holding the
// suit's object), the Caballo (a rider on a horse) and the Rey (a crowned
// king), drawn as clear silhouettes in the suit's colours.
#pragma once

#include <QPainter>
#include <QRectF>

namespace quimbel::dibujos {

enum class Figura { sota, caballo, rey };

// Draws the figure inside `caja` (about two wide by three tall).
void pintar_figura(QPainter& p, Figura figura, int palo, const QRectF& caja);

} // namespace quimbel::dibujos
