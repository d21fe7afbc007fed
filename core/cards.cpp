// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cards.h"

#include "core/texts.h"

namespace quimbel {

namespace {
// Rank order of the face at each position of a suit's block of pictures,
// in printed order: As, Dos, Tres, Cuatro, Cinco, Seis, Siete, Sota, Caballo, Rey.
constexpr int rango_por_posicion[cartas_por_palo + 1] = {0, 10, 1, 9, 2, 3, 4, 5, 6, 7, 8};
// The inverse: picture position of each rank order.
constexpr int posicion_por_rango[cartas_por_palo + 1] = {0, 2, 4, 5, 6, 7, 8, 9, 10, 3, 1};
constexpr std::string_view nombre_por_rango[cartas_por_palo + 1] = {
    "", "Dos", "Cuatro", "Cinco", "Seis", "Siete", "Sota", "Caballo", "Rey", "Tres", "As"};
} // namespace

std::string_view nombre_palo(int palo) {
    switch (palo) {
    case oros: return texto::oros;
    case copas: return texto::copas;
    case espadas: return texto::espadas;
    case bastos: return texto::bastos;
    }
    return texto::vacio;
}

int naipe_codigo(int p) {
    assert(es_codigo(p));
    const int palo = (p - 1) / cartas_por_palo + 1;
    return codigo_de(palo, rango_por_posicion[(p - 1) % cartas_por_palo + 1]);
}

int naipe_de_codigo(int codigo) {
    const Carta c = separar_carta(codigo);
    return cartas_por_palo * (c.palo - 1) + posicion_por_rango[c.rango];
}

std::string nombre_carta(int codigo) {
    assert(es_codigo(codigo));
    std::string nombre(nombre_por_rango[rango_de_codigo(codigo)]);
    nombre += " de ";
    nombre += nombre_palo(palo_de_codigo(codigo));
    return nombre;
}

} // namespace quimbel
