// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/knowledge.h"

namespace quimbel::consejo {

Conocimiento conocimiento_de(const Mesa& m) {
    Conocimiento k;
    for (int i = 1; i <= 10; ++i) {
        k.mano_yo[i] = m.manos[yo][i].tag;
        k.en_mano_yo[i] = m.manos[yo][i].visible;
    }
    k.pinta = m.pinta.tag;
    k.turno_mano = m.turno_mano;
    k.quien_sale = m.quien_sale;
    k.registro = m.registro;
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int palo = oros; palo <= bastos; ++palo)
            k.cantado[asiento][palo] = m.cantado[asiento][palo];
    k.tanteo_nosotros = m.nosotros.tanteo;
    k.tanteo_ellos = m.ellos.tanteo;
    k.juegos_nosotros = m.nosotros.juegos;
    k.juegos_ellos = m.ellos.juegos;
    return k;
}

bool turno_del_humano(const Mesa& m) {
    if (!m.juega_yo) return false;
    for (int i = 1; i <= 10; ++i)
        if (m.manos[yo][i].visible) return true;
    return false;
}

} // namespace quimbel::consejo
