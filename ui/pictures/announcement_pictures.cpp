// SPDX-License-Identifier: GPL-3.0-or-later
// anuncio(): each announcement element gets the picture of its family, at its
// family's size.
#include "ui/pictures/announcement_pictures.h"

#include "core/cards.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"

namespace quimbel::dibujos {

Familia familia_de(Anuncio a) {
    const int i = static_cast<int>(a);
    if (i < 4) return Familia::cartel;
    return (i - 4) % 7 == 2 ? Familia::estrella : Familia::bocadillo;
}

int asiento_de(Anuncio a) {
    const int i = static_cast<int>(a);
    return i < 4 ? 0 : (i - 4) / 7 + 1;
}

QSize tam_anuncio(Anuncio a) {
    switch (familia_de(a)) {
    case Familia::cartel: return tam_cartel;
    case Familia::bocadillo: return tam_bocadillo;
    case Familia::estrella: return tam_estrella;
    }
    return tam_bocadillo;
}

QString texto_anuncio(Anuncio a) {
    switch (familia_de(a)) {
    case Familia::cartel: return texto_cartel(a);
    case Familia::bocadillo: return texto_bocadillo(a);
    case Familia::estrella: return texto_estrella();
    }
    return {};
}

QPixmap anuncio(Anuncio a, qreal dpr) {
    const QSize tam = tam_anuncio(a);
    // Large, and many are seldom seen: drawn afresh each time, never kept here.
    return detalle::pintado(tam, dpr, [a, tam](QPainter& p) {
        const QRectF caja(QPointF(0, 0), QSizeF(tam));
        switch (familia_de(a)) {
        case Familia::cartel:
            pintar_cartel(p, caja, texto_cartel(a),
                          a == Anuncio::ganjuego || a == Anuncio::ganpartida);
            break;
        case Familia::bocadillo: {
            const int asiento = asiento_de(a);
            pintar_bocadillo(p, caja, texto_bocadillo(a), equipo_de(asiento) == Equipo::nosotros,
                             cola_del_asiento(asiento));
            break;
        }
        case Familia::estrella: pintar_estrella(p, caja); break;
        }
    });
}

} // namespace quimbel::dibujos
