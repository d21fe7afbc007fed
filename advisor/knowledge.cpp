// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/knowledge.h"

namespace quimbel::consejo {

Conocimiento conocimiento_de(const Mesa& m) {
    Conocimiento k;
    for (int i = 1; i <= cartas_por_mano; ++i) {
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
    k.tanteo_nosotros = m.tanteo_nosotros.numero;
    k.tanteo_ellos = m.tanteo_ellos.numero;
    k.juegos_nosotros = m.juegos_nosotros.numero;
    k.juegos_ellos = m.juegos_ellos.numero;
    return k;
}

bool turno_del_humano(const Mesa& m) {
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (m.manos[yo][i].visible && m.manos[yo][i].enabled) return true;
    return false;
}

} // namespace quimbel::consejo
