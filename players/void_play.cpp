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
Conjunto sobrefallar(const Mesa& m, Palo triunfo, Asiento asiento, int triunfo_mas_alto, int desde,
                     int hasta) {
    return m.en_mano[asiento].cartas & cartas_entre(triunfo, desde, hasta) &
           cartas_por_encima(triunfo, triunfo_mas_alto);
}

} // namespace

int fallar(const Mesa& m, FuenteAzar& azar, Palo triunfo, Asiento asiento) {
    assert(es_palo(triunfo) && es_maquina(asiento));
    // The highest rank among the trumps the other seats have put down
    // (pinta_derecha ... hold each one's, 0 for a card that is no trump).
    int triunfo_mas_alto = 0;
    for (int k = derecha; k <= yo; ++k)
        if (k != asiento && m.palo_en(k) == triunfo && m.valor_en(k) > triunfo_mas_alto)
            triunfo_mas_alto = m.valor_en(k);

    // The cheapest kind of trump that beats the table, even over the
    // partner's trump. The Dos never beats a trump. Then the As.
    Conjunto triunfos =
        sobrefallar(m, triunfo, asiento, triunfo_mas_alto, rango_dos + 1, rango_sota);
    if (triunfos == 0)
        triunfos = sobrefallar(m, triunfo, asiento, triunfo_mas_alto, rango_caballo, rango_rey);
    if (triunfos == 0)
        triunfos = sobrefallar(m, triunfo, asiento, triunfo_mas_alto, rango_tres, rango_tres);
    if (triunfos == 0) triunfos = as(m, azar, triunfo, asiento);
    if (const int ranura = primera_de(m, asiento, triunfos)) return ranura;

    // Cheap while the other team is winning the trick, dear otherwise.
    const auto& palos = sin_triunfo[triunfo];
    int ranura = baza_a(m, triunfo).equipo == contrario(equipo_de(asiento))
                     ? probar_por_palos<baja, caballo_rey, tres>(m, azar, palos, asiento)
                     : probar_por_palos<tres, caballo_rey, baja>(m, azar, palos, asiento);
    // Aces of the other suits go only after every other non-trump card, and a
    // trump that cannot win only when nothing else is left.
    if (ranura == 0) ranura = echar_as(m, asiento);
    // The first trump left in slot order, whatever it is worth.
    if (ranura == 0) ranura = primera_de(m, asiento, cartas_del_palo(triunfo));
    return ranura;
}

int sin_palo(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    if (es_palo(m.la_pinta) && m.la_pinta != palo)
        if (const int ranura = triunfar(m, azar, Palo{m.la_pinta}, asiento)) return ranura;
    // Generous only when the own team is winning and the seat played last in
    // the first trick of the deal: the test is on the deal's first leader.
    if (ganador_baza(m).equipo == equipo_de(asiento) && m.turno_mano == siguiente_asiento(asiento))
        return cargar(m, azar, asiento);
    return descartar(m, azar, asiento);
}

int triunfar(const Mesa& m, FuenteAzar& azar, Palo triunfo, Asiento asiento) {
    // The cheapest trump first, the Caballo and the Rey last.
    return probar<baja, tres, as, caballo_rey>(m, azar, triunfo, asiento);
}

int cargar(const Mesa& m, FuenteAzar& azar, Asiento asiento) {
    if (const int ranura =
            probar_por_palos<tres, caballo_rey, baja>(m, azar, cuatro_palos, asiento))
        return ranura;
    return echar_as(m, asiento);
}

int descartar(const Mesa& m, FuenteAzar& azar, Asiento asiento) {
    if (const int ranura =
            probar_por_palos<baja, caballo_rey, tres>(m, azar, cuatro_palos, asiento))
        return ranura;
    return echar_as(m, asiento);
}

} // namespace quimbel
