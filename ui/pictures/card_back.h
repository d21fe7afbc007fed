// SPDX-License-Identifier: GPL-3.0-or-later
// The back of the cards the computer seats hold.
#pragma once

#include <QPainter>
#include <QRectF>

namespace quimbel::dibujos {

// Draws a card back filling `caja`.
void pintar_dorso(QPainter& p, const QRectF& caja);

} // namespace quimbel::dibujos
