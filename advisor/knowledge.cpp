// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/knowledge.h"

namespace quimbel::consejo {

Conocimiento conocimiento_de(const Mesa& m) {
    Conocimiento k;
    for (int i = 1; i <= cartas_por_mano; ++i) {
        k.mano_yo[i] = m.en_hueco[yo][i];
        k.en_mano_yo[i] = m.en_mano_en(yo, i);
    }
    k.pinta = m.carta_de_pinta;
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
    return m.juega_yo && m.en_mano[yo].cartas != 0;
}

} // namespace quimbel::consejo
