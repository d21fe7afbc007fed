// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: a fan of three Spanish cards (As de oros, copas and
// espadas), drawn plain so it still reads at 16 pixels in a task bar.
#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"
#include "ui/pictures/suit_pips.h"

#include <algorithm>

namespace quimbel::dibujos {

namespace pal = paleta;

// Every length is worked out for the square's real size, so each size of the
// icon is drawn for itself: the outline stays one pixel wide at 16 and 22
// pixels, and the pips choose their details for the height they really get.
void pintar_icono(QPainter& p, int lado) {
    const qreal k = lado / 32.0;
    // The cards turn about a point below the icon, so the fan fills it.
    const QSizeF naipe(16 * k, 23 * k);
    const int palos[] = {3, 2, 1};
    const qreal giros[] = {-22, 0, 22};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(16 * k, 40 * k);
        p.rotate(giros[i]);
        const QRectF r(-naipe.width() / 2, -naipe.height() - 14.5 * k, naipe.width(),
                       naipe.height());
        p.setPen(QPen(QColor(pal::negro), std::max(1.0, lado / 40.0)));
        p.setBrush(QColor(pal::blanco));
        p.drawRoundedRect(r, 2 * k, 2 * k);
        pintar_pinta(p, palos[i], r.center(), (palos[i] == 1 ? 12 : 18) * k);
        p.restore();
    }
}

QPixmap icono(int lado) {
    return detalle::dibujado(QStringLiteral("icono%1").arg(lado), QSize(lado, lado), 1.0,
                             [lado](QPainter& p) { pintar_icono(p, lado); });
}

QIcon icono() {
    QIcon icon;
    for (int lado : {16, 24, 32, 48, 64, 128}) icon.addPixmap(icono(lado));
    return icon;
}

} // namespace quimbel::dibujos
