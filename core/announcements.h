// SPDX-License-Identifier: GPL-3.0-or-later
// The announcement pictures laid over the table: the four banners of the end
// of a deal and of a match, and for each seat its two tute bubbles, its
// "LAS 40" starburst and its four 20 bubbles.
#pragma once

#include <cassert>
#include <string_view>

#include "core/cards.h"

namespace quimbel {

enum class Anuncio : unsigned char {
    ganjuego,
    perjuego,
    ganpartida,
    perpartida,
    detutecab,
    detuterey,
    de40,
    de20oros,
    de20copas,
    de20espadas,
    de20bastos,
    artutecab,
    artuterey,
    ar40,
    ar20oros,
    ar20copas,
    ar20espadas,
    ar20bastos,
    iztutecab,
    iztuterey,
    iz40,
    iz20oros,
    iz20copas,
    iz20espadas,
    iz20bastos,
    abtutecab,
    abtuterey,
    ab40,
    ab20oros,
    ab20copas,
    ab20espadas,
    ab20bastos,
};
inline constexpr int num_anuncios = 32;

namespace detalle {
// The four banners come first, then each seat's block of seven pictures,
// seats in the order of play: two tutes, the 40, the four 20s.
inline constexpr int num_banners = 4;
inline constexpr int dibujos_por_asiento = 7;
static_assert(num_banners + num_asientos * dibujos_por_asiento == num_anuncios);
inline constexpr Anuncio primero_del_asiento(int asiento) {
    assert(es_asiento(asiento));
    return static_cast<Anuncio>(num_banners + dibujos_por_asiento * (asiento - 1));
}
inline constexpr Anuncio desplazar(Anuncio base, int paso) {
    assert(paso >= 0 && paso < dibujos_por_asiento);
    return static_cast<Anuncio>(static_cast<int>(base) + paso);
}
} // namespace detalle

inline constexpr Anuncio anuncio_tute_caballos(int asiento) {
    return detalle::primero_del_asiento(asiento);
}
inline constexpr Anuncio anuncio_tute_reyes(int asiento) {
    return detalle::desplazar(detalle::primero_del_asiento(asiento), 1);
}
inline constexpr Anuncio anuncio_40(int asiento) {
    return detalle::desplazar(detalle::primero_del_asiento(asiento), 2);
}
inline constexpr Anuncio anuncio_20(int asiento, int palo) {
    assert(es_palo(palo));
    return detalle::desplazar(detalle::primero_del_asiento(asiento), 2 + palo);
}

// The element's name: "ganjuego", "de40", "ab20copas" ...
std::string_view nombre_anuncio(Anuncio a);

} // namespace quimbel
