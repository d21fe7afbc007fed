// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/lead.h"

#include "core/pauses.h"
#include "core/texts.h"
#include "players/chain.h"
#include "players/seat_play.h"

namespace quimbel {

namespace {

// The suits in which the other team (seats a and b) can declare, each as its
// Caballo. Seat b's pair counts only while neither of them has declared in
// the suit; seat a's counts always.
Conjunto cantes_contrarios(const Mesa& m, int a, int b) {
    Conjunto caballos = parejas(m.en_mano[a].cartas);
    for (int caballo : cada_carta(parejas(m.en_mano[b].cartas))) {
        const int palo = palo_de_codigo(caballo);
        if (m.cantado[a][palo] == 0 && m.cantado[b][palo] == 0) caballos |= una_carta(caballo);
    }
    return caballos;
}

} // namespace

void salida(Mesa& m, int asiento) {
    assert(es_maquina(asiento));
    // The seats of the other team.
    const int a = asiento == arriba ? derecha : arriba;
    const int b = asiento == arriba ? izquierda : yo;

    m.carta_elegida = SiNo::no;
    // Suit by suit, against each declaration the other team can make. Only
    // this seat's cards move meanwhile, so the declarations are read once.
    for (int caballo : cada_carta(cantes_contrarios(m, a, b))) {
        if (elegida(m)) break;
        const int palo = palo_de_codigo(caballo);
        m.carta_elegida = SiNo::si;
        m.Label4.caption = texto::cantan_a[palo];
        // Plays nothing when the seat has no As, Tres or low card of the
        // suit; then the next suit is looked at.
        contra_cante(m, palo, asiento);
    }
    if (!elegida(m)) {
        m.Label4.caption = texto::salir_x_mala;
        salir_mala(m, asiento);
    }
}

void contra_cante(Mesa& m, int palo, int asiento) {
    m.carta_elegida = SiNo::no;
    probar<as, baja>(m, palo, asiento);
}

void salir_mala(Mesa& m, int asiento) {
    m.carta_elegida = SiNo::no;
    const int sorteo = sortear(m, num_palos);
    // The four suits in cycle from the drawn one.
    int orden[num_palos];
    for (int n = 0, palo = sorteo; n < num_palos; ++n, palo = palo == bastos ? oros : palo + 1)
        orden[n] = palo;
    // The first round leads, suit by suit, the As, else the Tres of a suit led
    // once, else a low card; the later rounds only when no suit offers one.
    probar_por_palos<baja, caballo_rey, as, tres>(m, orden, asiento);
}

} // namespace quimbel
