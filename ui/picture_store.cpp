// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_store.h"

#include "ui/pictures/pictures.h"

namespace quimbel {

const QPixmap& AlmacenDibujos::dibujo(int cual, qreal dpr) {
    auto clave = std::make_pair(cual, dpr);
    auto hecho = hechos_.find(clave);
    if (hecho != hechos_.end()) return hecho->second;

    QPixmap p;
    if (cual >= 1 && cual <= num_cartas)
        p = dibujos::carta(cual, dpr);
    else if (cual == dibujo_dorso)
        p = dibujos::dorso(dpr);
    else if (cual == dibujo::marcador)
        p = dibujos::marcador(dpr);
    else if (cual >= dibujo::primer_anuncio && cual < dibujo::primer_anuncio + num_anuncios)
        p = dibujos::anuncio(static_cast<Anuncio>(cual - dibujo::primer_anuncio), dpr);
    return hechos_.emplace(clave, std::move(p)).first->second;
}

void AlmacenDibujos::soltar(int cual) {
    std::erase_if(hechos_, [cual](const auto& hecho) { return hecho.first.first == cual; });
}

} // namespace quimbel
