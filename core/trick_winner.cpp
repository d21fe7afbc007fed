// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/trick_winner.h"

namespace quimbel {

namespace {

// The cards the trick's entries show; an empty entry, code 0, is none.
Conjunto cartas_en_la_baza(const Mesa& m) {
    Conjunto cartas = 0;
    for (int k = derecha; k <= yo; ++k) cartas |= Conjunto{1} << m.en_baza[k];
    return cartas & ~Conjunto{1}; // bit 0, an empty entry's
}

// The seat whose entry shows `codigo`, a card on the table. The cards on the
// table are all different, so one entry shows it; no branch on which.
int asiento_con(const Mesa& m, int codigo) {
    int asiento = 0;
    for (int k = derecha; k <= yo; ++k) asiento |= m.en_baza[k] == codigo ? k : 0;
    return asiento;
}

} // namespace

Ganador ganador_baza(const Mesa& m) {
    return baza_a(m, Palo{palo_de_codigo(m.carta_de_pinta)});
}

// Within a suit a higher code is a higher card: the best card of a suit on
// the table is its highest code there.
Ganador baza_a(const Mesa& m, Palo palo) {
    const Conjunto en_la_baza = cartas_en_la_baza(m);
    Conjunto candidatas = en_la_baza & cartas_del_palo(palo);
    if (candidatas == 0) {
        // The suit led, read off the leader's entry (bastos when it is empty).
        const int lider = es_maquina(m.quien_sale) ? m.quien_sale : yo;
        candidatas = en_la_baza & cartas_del_palo(palo_o_bastos(m.palo_en(lider)));
        if (candidatas == 0) return {};
    }
    const int asiento = asiento_con(m, la_ultima(candidatas));
    return {asiento, equipo_de(asiento)};
}

} // namespace quimbel
