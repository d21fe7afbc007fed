// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/trick_winner.h"

namespace quimbel {

namespace {

void evaluar_con_triunfo(Mesa& m) {
    baza_a(m, palo_de_codigo(m.pinta.tag));
}

// The led-suit pass runs at most once: with the leader's card missing and no
// trump down there is nothing to find, and the evaluation stops with
// equipo_gana left empty (the callers never ask this).
void evaluar(Mesa& m, int palo, bool es_pasada_de_salida) {
    // The seat with the highest card of `palo`, as gana_entre finds it among
    // the seats that put one down.
    int mejor = 0;
    for (int k = derecha; k <= yo; ++k)
        if (m.palo[k] == palo && palo != 0 && (mejor == 0 || m.valor[k] > m.valor[mejor]))
            mejor = k;
    if (mejor != 0) {
        m.gana_baza = mejor;
        m.equipo_gana = equipo_de(mejor);
    } else if (!es_pasada_de_salida) {
        baza_al_palo_salida(m);
    }
}

} // namespace

void decidir_baza(Mesa& m) {
    m.equipo_gana = Equipo::ninguno;
    m.gana_baza = 0;
    evaluar_con_triunfo(m);
}

void mirar_baza(Mesa& m) {
    m.equipo_gana = Equipo::ninguno;
    evaluar_con_triunfo(m);
}

void baza_a(Mesa& m, int palo) {
    evaluar(m, palo, false);
}

void baza_al_palo_salida(Mesa& m) {
    const int lider = es_maquina(m.quien_sale) ? m.quien_sale : yo;
    evaluar(m, palo_o_bastos(m.palo[lider]), true);
}

void gana_entre(Mesa& m, unsigned asientos) {
    assert(asientos != 0 && asientos < (1u << por_asiento) && !(asientos & 1u));
    int mejor = 0;
    for (int k = derecha; k <= yo; ++k) {
        if (!(asientos & (1u << k))) continue;
        // Strictly greater: two cards of one suit never tie.
        if (mejor == 0 || m.valor[k] > m.valor[mejor]) mejor = k;
    }
    m.gana_baza = mejor;
    m.equipo_gana = equipo_de(mejor);
}

} // namespace quimbel
