// The program's icon: a fan of three Spanish cards (As de oros, copas and
// espadas), drawn plain so it still reads at 16 pixels in a task bar.
#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"
#include "ui/pictures/suit_pips.h"

namespace quimbel::dibujos {

namespace pal = paleta;

namespace {

void pintar_icono(QPainter& p, int lado) {
    const qreal k = lado / 32.0;
    p.scale(k, k);
    // The cards turn about a point below the icon, so the fan fills it.
    const QSizeF naipe(16, 23);
    const int palos[] = {3, 2, 1};
    const qreal giros[] = {-22, 0, 22};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(16, 40);
        p.rotate(giros[i]);
        const QRectF r(-naipe.width() / 2, -naipe.height() - 14.5, naipe.width(), naipe.height());
        p.setPen(QPen(QColor(pal::negro), 1.0));
        p.setBrush(QColor(pal::blanco));
        p.drawRoundedRect(r, 2, 2);
        pintar_pinta(p, palos[i], r.center(), palos[i] == 1 ? 12 : 18);
        p.restore();
    }
}

} // namespace

QIcon icono() {
    QIcon icon;
    for (int lado : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(detalle::dibujado(QStringLiteral("icono%1").arg(lado), QSize(lado, lado),
                                         1.0, [lado](QPainter& p) { pintar_icono(p, lado); }));
    }
    return icon;
}

} // namespace quimbel::dibujos
