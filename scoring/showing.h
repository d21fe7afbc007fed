// SPDX-License-Identifier: GPL-3.0-or-later
// How every declaration and every banner is shown: the picture over the table
// for one long pause, then hidden again.
#pragma once

#include "core/pauses.h"
#include "core/table.h"

namespace quimbel {

inline void mostrar_anuncio(Mesa& m, Anuncio a) {
    assert(static_cast<int>(a) < num_anuncios);
    m.anuncio_en_pantalla = static_cast<signed char>(a);
    m.plataforma->anuncio_mostrado(a);
    pausa_larga(m);
    m.anuncio_en_pantalla = sin_anuncio;
}

} // namespace quimbel
