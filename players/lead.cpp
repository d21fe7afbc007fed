// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/lead.h"

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

Salida salida(const Mesa& m, FuenteAzar& azar, Asiento asiento) {
    assert(es_maquina(asiento));
    // The seats of the other team.
    const int a = asiento == arriba ? derecha : arriba;
    const int b = asiento == arriba ? izquierda : yo;

    // Suit by suit, against each declaration the other team can make. A suit
    // where the seat has no As, Tres or low card gives nothing, and the next
    // suit is looked at.
    for (int caballo : cada_carta(cantes_contrarios(m, a, b))) {
        const Palo palo{palo_de_codigo(caballo)};
        if (const int ranura = contra_cante(m, azar, palo, asiento)) return {ranura, palo};
    }
    return {salir_mala(m, azar, asiento), 0};
}

int contra_cante(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    return probar<as, baja>(m, azar, palo, asiento);
}

int salir_mala(const Mesa& m, FuenteAzar& azar, Asiento asiento) {
    // The four suits in cycle from the drawn one.
    static constexpr int en_ciclo[por_palo][num_palos] = {{},
                                                          {oros, copas, espadas, bastos},
                                                          {copas, espadas, bastos, oros},
                                                          {espadas, bastos, oros, copas},
                                                          {bastos, oros, copas, espadas}};
    const int sorteo = sortear(azar, num_palos);
    assert(es_palo(sorteo));
    // The first round leads, suit by suit, the As, else the Tres of a suit led
    // once, else a low card; the later rounds only when no suit offers one.
    return probar_por_palos<baja, caballo_rey, as, tres>(m, azar, en_ciclo[sorteo], asiento);
}

} // namespace quimbel
