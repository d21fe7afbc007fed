// SPDX-License-Identifier: GPL-3.0-or-later
// Sets of cards, one bit per card code: bit c is set when card c is in the
// set (bit 0, no card, is never set). A question about a hand or a suit, such
// as "which low cards of copas" or "is the As of oros among them", is then an
// operation on one word instead of a scan of arrays.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/cards.h"

namespace quimbel {

using Conjunto = std::uint64_t;

// The set of the one card `codigo`.
inline constexpr Conjunto una_carta(int codigo) {
    assert(es_codigo(codigo));
    return Conjunto{1} << codigo;
}

// The cards of rank orders `desde` to `hasta` in all four suits (empty when
// desde > hasta): the ranks' bits in oros, copied ten bits up for each suit.
inline constexpr Conjunto de_los_rangos(int desde, int hasta) {
    assert(desde >= 1 && hasta <= cartas_por_palo);
    if (desde > hasta) return 0;
    const Conjunto en_oros = ((Conjunto{1} << (hasta - desde + 1)) - 1) << desde;
    constexpr Conjunto cada_palo = 1 | 1ULL << 10 | 1ULL << 20 | 1ULL << 30;
    return en_oros * cada_palo;
}
namespace detalle {
// Codes 1..10 are oros, 11..20 copas, 21..30 espadas, 31..40 bastos.
inline constexpr Conjunto palo_entero[por_palo] = {0, 0x7FEULL, 0x7FEULL << 10, 0x7FEULL << 20,
                                                   0x7FEULL << 30};
} // namespace detalle
// The ten cards of `palo`: one load, as the choosers ask it at every step.
inline constexpr Conjunto cartas_del_palo(int palo) {
    assert(es_palo(palo));
    return detalle::palo_entero[palo];
}
// The cards of `palo` with a rank order from `desde` to `hasta` (empty when
// desde > hasta). The ranks are nearly always constants, and the set is then
// a load and a mask.
inline constexpr Conjunto cartas_entre(int palo, int desde, int hasta) {
    return cartas_del_palo(palo) & de_los_rangos(desde, hasta);
}
// The cards of `palo` ranked above `rango` (0 .. 10).
inline constexpr Conjunto cartas_por_encima(int palo, int rango) {
    assert(es_palo(palo) && rango >= 0 && rango <= cartas_por_palo);
    if (rango >= rango_as) return 0;
    const Conjunto en_oros = cartas_del_palo(oros) << rango & cartas_del_palo(oros);
    return en_oros << (cartas_por_palo * (palo - 1));
}
// The sets above are the codes' own layout, checked card by card: rank order
// r of suit p is code 10 * (p - 1) + r.
static_assert([] {
    for (int palo = oros; palo <= bastos; ++palo)
        for (int desde = 1; desde <= cartas_por_palo; ++desde) {
            Conjunto por_encima = 0;
            for (int rango = desde + 1; rango <= cartas_por_palo; ++rango)
                por_encima |= Conjunto{1} << codigo_de(palo, rango);
            if (cartas_por_encima(palo, desde) != por_encima) return false;
            Conjunto entre = 0;
            for (int hasta = desde; hasta <= cartas_por_palo; ++hasta) {
                entre |= Conjunto{1} << codigo_de(palo, hasta);
                if (cartas_entre(palo, desde, hasta) != entre) return false;
            }
        }
    return cartas_por_encima(oros, 0) == cartas_del_palo(oros);
}());

// The card of rank order `rango` in each of the four suits.
inline constexpr Conjunto los_cuatro(int rango) {
    Conjunto cuatro = 0;
    for (int palo = oros; palo <= bastos; ++palo) cuatro |= una_carta(codigo_de(palo, rango));
    return cuatro;
}
inline constexpr Conjunto caballo_y_rey(int palo) {
    return cartas_entre(palo, rango_caballo, rango_rey);
}

inline constexpr bool contiene(Conjunto cartas, int codigo) {
    assert(es_codigo(codigo));
    return ((cartas >> codigo) & 1) != 0;
}
// Whether `cartas` holds every card of `todas`.
inline constexpr bool contiene_todas(Conjunto cartas, Conjunto todas) {
    return (cartas & todas) == todas;
}
// The pairs a hand holds: the Caballo of each suit whose Caballo and Rey are
// both in `mano` (a Rey's code is its Caballo's plus one).
inline constexpr Conjunto parejas(Conjunto mano) {
    return mano & (mano >> 1) & los_cuatro(rango_caballo);
}
inline constexpr bool tiene_pareja(Conjunto mano, int palo) {
    return contiene_todas(mano, caballo_y_rey(palo));
}

inline constexpr int cuantas(Conjunto cartas) {
#ifdef __POPCNT__
    return std::popcount(cartas);
#else
    // The baseline x86-64 has no count instruction, and std::popcount becomes
    // a call into the compiler's library; a few shifts and masks are cheaper.
    cartas -= (cartas >> 1) & 0x5555555555555555ULL;
    cartas = (cartas & 0x3333333333333333ULL) + ((cartas >> 2) & 0x3333333333333333ULL);
    cartas = (cartas + (cartas >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((cartas * 0x0101010101010101ULL) >> 56);
#endif
}
// The code of the lowest card of the set (by code), 0 for an empty set.
inline constexpr int la_primera(Conjunto cartas) {
    return cartas == 0 ? 0 : std::countr_zero(cartas);
}
// The code of the highest card of a set that is not empty.
inline constexpr int la_ultima(Conjunto cartas) {
    assert(cartas != 0);
    return std::bit_width(cartas) - 1;
}
inline constexpr Conjunto sin_la_primera(Conjunto cartas) {
    return cartas & (cartas - 1);
}

// The codes of a set in ascending order: for (int codigo : cada_carta(s)).
class cada_carta {
  public:
    explicit constexpr cada_carta(Conjunto cartas) : cartas_(cartas) {}
    struct Cursor {
        Conjunto resto;
        constexpr int operator*() const { return la_primera(resto); }
        constexpr Cursor& operator++() {
            resto = sin_la_primera(resto);
            return *this;
        }
        constexpr bool operator!=(const Cursor& otro) const { return resto != otro.resto; }
    };
    constexpr Cursor begin() const { return {cartas_}; }
    constexpr Cursor end() const { return {0}; }

  private:
    Conjunto cartas_;
};

// A seat's hand as the choosers ask about it: the set of its cards, and the
// slot 1..10 where each one lies.
struct ManoDe {
    Conjunto cartas;
    const unsigned char* hueco; // by card code: its slot, for the cards of this hand

    bool tiene(int codigo) const { return contiene(cartas, codigo); }
    // Whether the seat holds any card of `buscadas`.
    bool alguna(Conjunto buscadas) const { return (cartas & buscadas) != 0; }
    // The first slot, in slot order 1..10, that holds a card of `buscadas`;
    // 0 when the seat holds none of them. This is the order in which every
    // chooser looks at a hand.
    int primer_hueco(Conjunto buscadas) const {
        Conjunto resto = cartas & buscadas;
        if (resto == 0) return 0;
        int primero = hueco[std::countr_zero(resto)];
        for (resto = sin_la_primera(resto); resto != 0; resto = sin_la_primera(resto))
            primero = std::min(primero, static_cast<int>(hueco[std::countr_zero(resto)]));
        return primero;
    }
};

// The cards in the four hands: each seat's set, and the slot of each card in
// the hand that holds it. A card is in one hand at most, so one slot per
// card code serves all four.
struct Manos {
    Conjunto de[por_asiento] = {};       // bit c of de[s]: seat s holds code c
    unsigned char hueco[por_carta] = {}; // the slot of each card held, 0 for a card in no hand

    bool operator==(const Manos&) const = default;

    ManoDe operator[](int asiento) const { return {de[asiento], hueco}; }
    void poner(int asiento, int codigo, int ranura) {
        assert(es_ranura(ranura));
        de[asiento] |= una_carta(codigo);
        hueco[codigo] = static_cast<unsigned char>(ranura);
    }
    void quitar(int asiento, int codigo) {
        de[asiento] &= ~una_carta(codigo);
        hueco[codigo] = 0;
    }
    void vaciar(int asiento) {
        for (int codigo : cada_carta(de[asiento])) hueco[codigo] = 0;
        de[asiento] = 0;
    }
};

} // namespace quimbel
