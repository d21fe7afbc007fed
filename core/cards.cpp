// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cards.h"

#include "core/texts.h"

namespace quimbel {

namespace {
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

std::string nombre_carta(int codigo) {
    assert(es_codigo(codigo));
    std::string nombre(nombre_por_rango[rango_de_codigo(codigo)]);
    nombre += " de ";
    nombre += nombre_palo(palo_de_codigo(codigo));
    return nombre;
}

} // namespace quimbel
