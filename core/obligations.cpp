// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/obligations.h"

#include "core/texts.h"

namespace quimbel {

namespace {

constexpr std::string_view permitida;

// Whether the human holds a card of the suit.
bool tiene_palo(const Mesa& m, int palo) {
    return m.en_mano[yo].alguna(cartas_del_palo(palo));
}

// Whether the human holds a card of the suit ranked above `rango`.
bool tiene_mas_alta(const Mesa& m, int palo, int rango) {
    return m.en_mano[yo].alguna(cartas_por_encima(palo, rango));
}

// The table is the cards of the seats that played before the human: from the
// leader up to izquierda. The highest rank order of the suit there, 0 when the
// suit is not on the table.
int mas_alta_en_mesa(const Mesa& m, int lider, int palo) {
    int alta = 0;
    for (int k = lider; k <= izquierda; ++k)
        if (m.palo_en(k) == palo && m.valor_en(k) > alta) alta = m.valor_en(k);
    return alta;
}

bool en_mesa(const Mesa& m, int lider, int palo) {
    for (int k = lider; k <= izquierda; ++k)
        if (m.palo_en(k) == palo) return true;
    return false;
}

// revisar_oros_derecha ... revisar_bastos_izquierda: led suit, leader seat 1..3.
std::string_view revisar(const Mesa& m, Carta carta, int salida, int lider) {
    const int pinta = m.la_pinta;
    const int palo = carta.palo;
    const int rango = carta.rango;

    if (tiene_palo(m, salida)) {
        if (palo != salida) return texto::echar[salida];
        // A trumped trick need not be beaten in the led suit.
        if (salida != pinta && en_mesa(m, lider, pinta)) return permitida;
        const int alta = mas_alta_en_mesa(m, lider, salida);
        if (rango > alta) return permitida;
        return tiene_mas_alta(m, salida, alta) ? texto::subir[salida] : permitida;
    }

    // Without the led suit: trump, if he has any. With trump led he has none.
    if (pinta == salida || !tiene_palo(m, pinta)) return permitida;
    if (!en_mesa(m, lider, pinta)) {
        if (palo == pinta) return permitida;
        // Playing second he is told to trump; later, which suit to trump with.
        return lider == izquierda ? texto::echar_pinta : texto::echar[pinta];
    }
    // Trumps are down: he must over-trump when he can, else anything goes.
    const int alta = mas_alta_en_mesa(m, lider, pinta);
    if (!tiene_mas_alta(m, pinta, alta)) return permitida;
    if (palo != pinta) return texto::echar[pinta];
    return rango <= alta ? texto::subir[pinta] : permitida;
}

constexpr Conjunto todas = cartas_del_palo(oros) | cartas_del_palo(copas) |
                           cartas_del_palo(espadas) | cartas_del_palo(bastos);

// The same obligations as `revisar`, asked once for the whole deck.
Conjunto permitidas(const Mesa& m, int salida, int lider) {
    const int pinta = m.la_pinta;
    if (tiene_palo(m, salida)) {
        if (salida != pinta && en_mesa(m, lider, pinta)) return cartas_del_palo(salida);
        const int alta = mas_alta_en_mesa(m, lider, salida);
        return tiene_mas_alta(m, salida, alta) ? cartas_por_encima(salida, alta)
                                               : cartas_del_palo(salida);
    }
    if (pinta == salida || !tiene_palo(m, pinta)) return todas;
    if (!en_mesa(m, lider, pinta)) return cartas_del_palo(pinta);
    const int alta = mas_alta_en_mesa(m, lider, pinta);
    return tiene_mas_alta(m, pinta, alta) ? cartas_por_encima(pinta, alta) : todas;
}

} // namespace

Conjunto cartas_permitidas(const Mesa& m) {
    const int lider = m.quien_sale;
    if (!es_maquina(lider)) return todas;
    assert(es_palo(m.la_pinta));
    return permitidas(m, palo_o_bastos(m.palo_en(lider)), lider);
}

Conjunto cartas_aceptadas(const Mesa& m) {
    return m.en_mano[yo].cartas & cartas_permitidas(m);
}

std::string_view revisar_jugada(const Mesa& m, int codigo) {
    const int lider = m.quien_sale;
    // A card that leads is never refused.
    if (!es_maquina(lider)) return permitida;
    assert(es_palo(m.la_pinta));
    return revisar(m, separar_carta(codigo), palo_o_bastos(m.palo_en(lider)), lider);
}

} // namespace quimbel
