// SPDX-License-Identifier: GPL-3.0-or-later
// The four suit objects of the Spanish deck: the gold coin (oros), the goblet
// (copas), the straight sword (espadas) and the knotted cudgel (bastos).
#pragma once

#include <QPainter>
#include <QPointF>

namespace quimbel::dibujos {

// Draws the object of `palo` (1..4) centred on `centro`, `alto` logical
// pixels tall, turned `grados` clockwise from upright. Swords point up, the
// cudgel's thick end is up.
void pintar_pinta(QPainter& p, int palo, QPointF centro, qreal alto, qreal grados = 0);

} // namespace quimbel::dibujos
