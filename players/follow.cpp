// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/follow.h"

#include "players/chain.h"
#include "players/seat_play.h"
#include "players/void_play.h"

namespace quimbel {

namespace {

// The trump suit is always a suit here, so an empty entry is never a trump.
bool es_triunfo_en_mesa(const Mesa& m, int k) {
    assert(es_palo(m.la_pinta));
    return m.palo_en(k) == m.la_pinta;
}

// Whether one of the seat's opponents has put down a card that the table
// shows as the As of `palo`. For oros any As counts, since the test looks
// only at the rank; for the other suits the code must be the As of the suit.
bool as_contrario_en_mesa(const Mesa& m, Palo palo, Asiento asiento) {
    const int codigo_as = codigo_de(palo, rango_as);
    for (int k = derecha; k <= yo; ++k) {
        if (!es_contrario(asiento, k)) continue;
        if (palo == oros ? m.valor_en(k) == rango_as : m.en_baza[k] == codigo_as) return true;
    }
    return false;
}

// Whether another seat, the human included, still holds the As of `palo`.
bool as_en_otra_mano(const Mesa& m, Palo palo, Asiento asiento) {
    const int codigo_as = codigo_de(palo, rango_as);
    for (int otro = derecha; otro <= yo; ++otro)
        if (otro != asiento && m.en_mano[otro].tiene(codigo_as)) return true;
    return false;
}

// The seat's cards of `palo` with rank order in [desde, hasta] that are higher
// than the rank on the table of each of the other three seats, whatever the
// suits of those cards.
Conjunto si_gana(const Mesa& m, Palo palo, Asiento asiento, int desde, int hasta) {
    // The table matters only when the seat holds such a card at all.
    const Conjunto candidatas = m.en_mano[asiento].cartas & cartas_entre(palo, desde, hasta);
    if (candidatas == 0) return 0;
    int mas_alto = 0;
    for (int k = derecha; k <= yo; ++k)
        if (k != asiento && m.valor_en(k) > mas_alto) mas_alto = m.valor_en(k);
    return candidatas & cartas_por_encima(palo, mas_alto);
}

// The follow's own choosers (see players/chain.h): the cards each looks for.

// The Tres, when no As of the suit can still fall on it.
Conjunto tres_seguro(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    const Conjunto su_tres = tres(m, azar, palo, asiento);
    if (su_tres == 0) return 0;
    // The partner's cards count as outstanding too: only the seat's own hand
    // and the opponents' cards on the table are trusted.
    if (as_en_otra_mano(m, palo, asiento) || as_contrario_en_mesa(m, palo, asiento)) return 0;
    return su_tres;
}

// A low card that beats the table. The Dos is left out: it beats nothing.
Conjunto baja_gana(const Mesa& m, FuenteAzar&, Palo palo, Asiento asiento) {
    return si_gana(m, palo, asiento, rango_dos + 1, rango_sota);
}

Conjunto caballo_rey_gana(const Mesa& m, FuenteAzar&, Palo palo, Asiento asiento) {
    return si_gana(m, palo, asiento, rango_caballo, rango_rey);
}

// The Tres, unless an opponent has put down the As.
Conjunto tres_sin_as(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    const Conjunto su_tres = tres(m, azar, palo, asiento);
    if (su_tres == 0 || as_contrario_en_mesa(m, palo, asiento)) return 0;
    return su_tres;
}

} // namespace

int seguir(const Mesa& m, FuenteAzar& azar, Asiento asiento) {
    assert(es_maquina(asiento) && es_palo(m.la_pinta));
    const int quien_falla = mirar_fallo(m);
    const Palo palo{palo_o_bastos(m.la_salida)};
    if (quien_falla == 0 || m.la_salida == m.la_pinta) return seguir_palo(m, azar, palo, asiento);
    // Only the last seat found trumping tells an opponent from the partner.
    if (es_contrario(asiento, quien_falla)) return seguir_barato(m, azar, palo, asiento);
    return seguir_cargando(m, azar, palo, asiento);
}

int mirar_fallo(const Mesa& m) {
    const int lider = es_maquina(m.quien_sale) ? m.quien_sale : yo;
    if (es_triunfo_en_mesa(m, lider)) return 0; // trumps were led
    // The highest seat that trumped counts: the game looks at every seat in
    // turn and keeps the last it finds. The leader is among them, but its card
    // is no trump.
    for (int k = yo; k >= derecha; --k)
        if (es_triunfo_en_mesa(m, k)) return k;
    return 0;
}

int seguir_palo(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    if (const int ranura = probar<as, tres_seguro, baja_gana, caballo_rey_gana, tres_sin_as, baja,
                                  caballo_rey, tres>(m, azar, palo, asiento))
        return ranura;
    return sin_palo(m, azar, palo, asiento);
}

int seguir_barato(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    if (const int ranura = probar<baja, caballo_rey, tres, as>(m, azar, palo, asiento))
        return ranura;
    return fallar(m, azar, Palo{palo_o_bastos(m.la_pinta)}, asiento);
}

int seguir_cargando(const Mesa& m, FuenteAzar& azar, Palo palo, Asiento asiento) {
    if (const int ranura = probar<as, tres, caballo_rey, baja>(m, azar, palo, asiento))
        return ranura;
    return fallar(m, azar, Palo{palo_o_bastos(m.la_pinta)}, asiento);
}

} // namespace quimbel
