// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_place.h"

#include <algorithm>

namespace quimbel {

namespace {

// Rectangles made from their edges; an empty one when the edges cross.
QRect entre(int izquierda, int arriba, int derecha, int abajo) {
    return QRect(QPoint(izquierda, arriba), QPoint(derecha, abajo));
}

// `tamano` or less, inside `zona`, as near the middle of `mesa` as it fits.
QRect dentro(const QRect& zona, const QRect& mesa, QSize tamano) {
    tamano = tamano.boundedTo(zona.size());
    const QPoint medio = mesa.center();
    const int x =
        std::clamp(medio.x() - tamano.width() / 2, zona.left(), zona.right() - tamano.width() + 1);
    const int y = std::clamp(medio.y() - tamano.height() / 2, zona.top(),
                             zona.bottom() - tamano.height() + 1);
    return QRect(QPoint(x, y), tamano);
}

} // namespace

QRect lugar_ayuda(const QRect& pantalla, const QRect& mesa, const QRect& mano, const QRect& baza,
                  QSize deseado) {
    const QRect p = pantalla;
    // Beside the table, right or left, where it fits whole.
    for (const QRect& lado : {entre(mesa.right() + 1, p.top(), p.right(), p.bottom()),
                              entre(p.left(), p.top(), mesa.left() - 1, p.bottom())})
        if (lado.width() >= deseado.width() && lado.height() >= deseado.height())
            return dentro(lado, mesa, deseado);

    // Otherwise the largest of the screen's parts clear of the hand and the
    // trick: right or left of both, above the trick, below the hand, and
    // right or left of the trick above the hand.
    const QRect juego = mano.united(baza);
    const QRect zonas[] = {
        entre(juego.right() + 1, p.top(), p.right(), p.bottom()),
        entre(p.left(), p.top(), juego.left() - 1, p.bottom()),
        entre(p.left(), p.top(), p.right(), juego.top() - 1),
        entre(p.left(), juego.bottom() + 1, p.right(), p.bottom()),
        entre(baza.right() + 1, p.top(), p.right(), mano.top() - 1),
        entre(p.left(), p.top(), baza.left() - 1, mano.top() - 1),
    };
    auto area = [deseado](const QRect& z) {
        if (z.isEmpty()) return 0;
        const QSize s = deseado.boundedTo(z.size());
        return s.width() * s.height();
    };
    const QRect* mejor =
        std::max_element(std::begin(zonas), std::end(zonas),
                         [&](const QRect& a, const QRect& b) { return area(a) < area(b); });
    return dentro(*mejor, mesa, deseado);
}

} // namespace quimbel
