// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/void_play.h"

#include "core/trick_winner.h"
#include "players/chain.h"
#include "players/seat_play.h"

namespace quimbel {

namespace {

// The non-trump suits in the order a trumped trick's discard tries them:
// copas, espadas, bastos, with oros in the trump suit's place.
constexpr int sin_triunfo[por_palo][num_palos - 1] = {
    {0, 0, 0},
    {copas, espadas, bastos}, // trump oros
    {oros, espadas, bastos},  // trump copas
    {copas, oros, bastos},    // trump espadas
    {copas, espadas, oros},   // trump bastos
};

constexpr int cuatro_palos[] = {oros, copas, espadas, bastos};

// Over-trump: the seat's trumps of rank order [desde, hasta] that beat every
// trump the other seats have put down.
Conjunto sobrefallar(const Mesa& m, int triunfo, int asiento, int triunfo_mas_alto, int desde,
                     int hasta) {
    return m.en_mano[asiento].cartas & cartas_entre(triunfo, desde, hasta) &
           cartas_por_encima(triunfo, triunfo_mas_alto);
}

} // namespace

void fallar(Mesa& m, int triunfo, int asiento) {
    assert(es_palo(triunfo) && es_maquina(asiento));
    // The highest rank among the trumps the other seats have put down
    // (pinta_derecha ... hold each one's, 0 for a card that is no trump).
    int triunfo_mas_alto = 0;
    for (int k = derecha; k <= yo; ++k)
        if (k != asiento && m.palo[k] == triunfo && m.valor[k] > triunfo_mas_alto)
            triunfo_mas_alto = m.valor[k];

    m.carta_elegida = SiNo::no;
    // The cheapest kind of trump that beats the table, even over the
    // partner's trump. The Dos never beats a trump. Then the As.
    Conjunto triunfos =
        sobrefallar(m, triunfo, asiento, triunfo_mas_alto, rango_dos + 1, rango_sota);
    if (triunfos == 0)
        triunfos = sobrefallar(m, triunfo, asiento, triunfo_mas_alto, rango_caballo, rango_rey);
    if (triunfos == 0)
        triunfos = sobrefallar(m, triunfo, asiento, triunfo_mas_alto, rango_tres, rango_tres);
    if (triunfos == 0) triunfos = as(m, triunfo, asiento);
    jugar_primera_de(m, asiento, triunfos);

    // Evaluated even after a card has been played.
    baza_a(m, triunfo);
    const auto& palos = sin_triunfo[triunfo];
    if (!elegida(m)) {
        if (m.equipo_gana == contrario(equipo_de(asiento))) {
            probar_por_palos<baja, caballo_rey, tres>(m, palos, asiento);
        } else {
            probar_por_palos<tres, caballo_rey, baja>(m, palos, asiento);
        }
    }
    // Aces of the other suits go only after every other non-trump card, and a
    // trump that cannot win only when nothing else is left.
    if (!elegida(m)) echar_as(m, asiento);
    // The first trump left in slot order, whatever it is worth.
    if (!elegida(m)) jugar_primera_de(m, asiento, cartas_del_palo(triunfo));
}

void sin_palo(Mesa& m, int palo, int asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    m.carta_elegida = SiNo::no;
    if (es_palo(m.la_pinta) && m.la_pinta != palo) triunfar(m, m.la_pinta, asiento);
    if (elegida(m)) return;
    mirar_baza(m);
    // Generous only when the own team is winning and the seat played last in
    // the first trick of the deal: the test is on the deal's first leader.
    if (m.equipo_gana == equipo_de(asiento) && m.turno_mano == siguiente_asiento(asiento))
        cargar(m, asiento);
    else
        descartar(m, asiento);
}

void triunfar(Mesa& m, int triunfo, int asiento) {
    // The cheapest trump first, the Caballo and the Rey last.
    probar<baja, tres, as, caballo_rey>(m, triunfo, asiento);
}

void cargar(Mesa& m, int asiento) {
    m.carta_elegida = SiNo::no;
    probar_por_palos<tres, caballo_rey, baja>(m, cuatro_palos, asiento);
    if (!elegida(m)) echar_as(m, asiento);
}

void descartar(Mesa& m, int asiento) {
    m.carta_elegida = SiNo::no;
    probar_por_palos<baja, caballo_rey, tres>(m, cuatro_palos, asiento);
    if (!elegida(m)) echar_as(m, asiento);
}

} // namespace quimbel
