// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picture.h"

namespace quimbel {

namespace {

Etiqueta numero(int n) {
    Etiqueta e;
    e.caption.poner_numero(n);
    return e;
}

} // namespace

Cuadro dibujar(const Mesa& m) {
    Cuadro c;
    static_cast<ElementosEscritos&>(c) = m;
    c.tanteo_nosotros = numero(m.nosotros.tanteo);
    c.tanteo_ellos = numero(m.ellos.tanteo);
    c.juegos_nosotros = numero(m.nosotros.juegos);
    c.juegos_ellos = numero(m.ellos.juegos);
    return c;
}

} // namespace quimbel
