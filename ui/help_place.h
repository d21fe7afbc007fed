// SPDX-License-Identifier: GPL-3.0-or-later
// Where "Reglas y ayuda" opens: beside the table where the screen has room
// for it, so that the game goes on in view; otherwise in the largest part of
// the screen that covers neither the human's hand nor the trick, made
// smaller to fit if it must.
#pragma once

#include <QRect>
#include <QSize>

namespace quimbel {

// Every rectangle in the screen's coordinates: the screen's free area, the
// table window's frame, the human's hand and the trick. The answer is the
// frame the help should take, of the size `deseado` or smaller.
QRect lugar_ayuda(const QRect& pantalla, const QRect& mesa, const QRect& mano, const QRect& baza,
                  QSize deseado);

} // namespace quimbel
