// SPDX-License-Identifier: GPL-3.0-or-later
// The leader marker: a small pile of face-down cards beside the seat that
// leads the first trick.
#include "ui/pictures/card_back.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"

namespace quimbel::dibujos {

QPixmap marcador(qreal dpr) {
    return detalle::dibujado(QStringLiteral("marcador"), tam_marcador, dpr, [](QPainter& p) {
        const QSizeF naipe(50, 68);
        const int capas = 5;
        // From the bottom of the pile up, each card a little higher and skewed.
        for (int i = 0; i < capas; ++i) {
            p.save();
            p.translate(tam_marcador.width() / 2.0 + (i - 2) * 1.5,
                        tam_marcador.height() / 2.0 + (capas - 1 - i) * 3.0 - 4);
            p.rotate((i % 2 == 0 ? -1 : 1) * (4 - i) * 2.0);
            pintar_dorso(p, QRectF(QPointF(-naipe.width() / 2, -naipe.height() / 2), naipe));
            p.restore();
        }
    });
}

} // namespace quimbel::dibujos
