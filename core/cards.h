// SPDX-License-Identifier: GPL-3.0-or-later
// Seats, teams, suits and card codes.
//
// A card is known everywhere by its code 1..40 = 10 * (suit - 1) + rank order,
// where the rank order 1..10 is its strength in the suit (Dos 1 ... As 10).
// The faces are stored in printed deck order (As, Dos, Tres ... Rey), so the
// picture index p of a face and its code differ; naipe_codigo maps one to the
// other.
#pragma once

#include <cassert>
#include <string>
#include <string_view>

namespace quimbel {

// Seats in the order of play; after yo comes derecha again.
inline constexpr int derecha = 1;
inline constexpr int arriba = 2;
inline constexpr int izquierda = 3;
inline constexpr int yo = 4;
inline constexpr int num_asientos = 4;

// Suit numbers.
inline constexpr int oros = 1;
inline constexpr int copas = 2;
inline constexpr int espadas = 3;
inline constexpr int bastos = 4;
inline constexpr int num_palos = 4;

// Ten cards to a suit and to a hand (the hand's slots 1..10), forty in the deck.
inline constexpr int cartas_por_palo = 10;
inline constexpr int cartas_por_mano = 10;
inline constexpr int num_cartas = 40;
// A trick takes one card from each hand: ten tricks to a deal.
inline constexpr int bazas_por_reparto = cartas_por_mano;

// Arrays indexed by seat, suit, hand slot or card code (or picture index)
// count from 1, as the table's always have: these sizes leave entry 0 unused.
inline constexpr int por_asiento = num_asientos + 1;
inline constexpr int por_palo = num_palos + 1;
inline constexpr int por_ranura = cartas_por_mano + 1;
inline constexpr int por_carta = num_cartas + 1;

inline constexpr bool es_asiento(int asiento) {
    return asiento >= derecha && asiento <= yo;
}
inline constexpr bool es_maquina(int asiento) {
    return asiento >= derecha && asiento <= izquierda;
}
inline constexpr bool es_palo(int palo) {
    return palo >= oros && palo <= bastos;
}
inline constexpr bool es_ranura(int ranura) {
    return ranura >= 1 && ranura <= cartas_por_mano;
}
inline constexpr bool es_codigo(int codigo) {
    return codigo >= 1 && codigo <= num_cartas;
}

// A seat and a suit as the rules' signatures take them: made from a number
// only on purpose (Asiento{k}, Palo{p}), so that a suit cannot be passed for
// a seat, nor a bare number for either; read as the number they are wherever
// the tables are indexed by them.
struct Asiento {
    int n;
    constexpr explicit Asiento(int numero) : n(numero) { assert(es_asiento(numero)); }
    constexpr operator int() const { return n; }
};
struct Palo {
    int n;
    constexpr explicit Palo(int numero) : n(numero) { assert(es_palo(numero)); }
    constexpr operator int() const { return n; }
};

namespace detalle {
inline constexpr unsigned char asiento_siguiente[por_asiento] = {0, 2, 3, 4, 1};
} // namespace detalle
// The seat after, round the table: one load, as the deal asks it for every card.
inline constexpr int siguiente_asiento(int asiento) {
    assert(es_asiento(asiento));
    return detalle::asiento_siguiente[asiento];
}
// The seat before: before the leader sits the dealer, who plays last.
inline constexpr int asiento_anterior(int asiento) {
    assert(es_asiento(asiento));
    return asiento == derecha ? yo : asiento - 1;
}

// Rank orders with a name of their own.
inline constexpr int rango_dos = 1;
inline constexpr int rango_sota = 6;
inline constexpr int rango_caballo = 7;
inline constexpr int rango_rey = 8;
inline constexpr int rango_tres = 9;
inline constexpr int rango_as = 10;

enum class Equipo : unsigned char { ninguno, nosotros, ellos };

inline constexpr Equipo equipo_de(int asiento) {
    return (asiento == derecha || asiento == izquierda) ? Equipo::ellos : Equipo::nosotros;
}
inline constexpr Equipo contrario(Equipo e) {
    return e == Equipo::nosotros ? Equipo::ellos : Equipo::nosotros;
}

namespace detalle {
inline constexpr unsigned char palo_o_bastos_de[] = {bastos, oros, copas, espadas, bastos};
} // namespace detalle
// The suit a label or a slot holds, read as the game has always read it:
// oros, copas, espadas, and anything else (an empty place too) bastos. What
// callers pass, a suit or 0, is looked up: which suit comes is anyone's
// guess, and a lookup leaves the processor no branch to guess.
inline constexpr int palo_o_bastos(int palo) {
    if (palo >= 0 && palo <= bastos) [[likely]]
        return detalle::palo_o_bastos_de[palo];
    return bastos;
}

// The suit of a code as every routine of the game tests it: below 11 oros,
// below 21 copas, below 31 espadas, anything else bastos.
inline constexpr int palo_por_comparacion(int codigo) {
    return codigo < 11 ? oros : codigo < 21 ? copas : codigo < 31 ? espadas : bastos;
}
namespace detalle {
// palo_por_comparacion of each code 0..40, looked up: a card's suit is asked
// every time a card moves, and which way those comparisons go is anyone's
// guess, while a code is nearly always within the table.
inline constexpr struct PaloPorCodigo {
    unsigned char palo[por_carta] = {};
    constexpr PaloPorCodigo() {
        for (int codigo = 0; codigo <= num_cartas; ++codigo)
            palo[codigo] = static_cast<unsigned char>(palo_por_comparacion(codigo));
    }
} palo_por_codigo{};
} // namespace detalle
inline constexpr int palo_de_codigo(int codigo) {
    if (codigo >= 0 && codigo <= num_cartas) [[likely]]
        return detalle::palo_por_codigo.palo[codigo];
    return palo_por_comparacion(codigo);
}
inline constexpr int rango_de_codigo(int codigo) {
    return codigo - cartas_por_palo * (palo_de_codigo(codigo) - 1);
}
namespace detalle {
// The suit and rank order of each code as a trick's entry reads them, with
// 0 and 0 for an empty entry: the computer seats read the trick many times a
// card, so each is one load.
inline constexpr struct EntradaPorCodigo {
    unsigned char palo[por_carta] = {};
    unsigned char rango[por_carta] = {};
    constexpr EntradaPorCodigo() {
        for (int codigo = 1; codigo <= num_cartas; ++codigo) {
            palo[codigo] = static_cast<unsigned char>(palo_de_codigo(codigo));
            rango[codigo] = static_cast<unsigned char>(rango_de_codigo(codigo));
        }
    }
} entrada_por_codigo{};
} // namespace detalle
inline constexpr int palo_de_entrada(int codigo) {
    assert(codigo >= 0 && codigo <= num_cartas);
    return detalle::entrada_por_codigo.palo[codigo];
}
inline constexpr int rango_de_entrada(int codigo) {
    assert(codigo >= 0 && codigo <= num_cartas);
    return detalle::entrada_por_codigo.rango[codigo];
}

inline constexpr int codigo_de(int palo, int rango) {
    assert(es_palo(palo) && rango >= 1 && rango <= cartas_por_palo);
    return cartas_por_palo * (palo - 1) + rango;
}

// separar_carta: a code split into its rank order and its suit.
struct Carta {
    int rango;
    int palo;
};
inline constexpr Carta separar_carta(int codigo) {
    assert(es_codigo(codigo));
    return {rango_de_codigo(codigo), palo_de_codigo(codigo)};
}

// Suit names. A number outside 1..4 has the name of an empty place, " ".
std::string_view nombre_palo(int palo);

namespace detalle {
// Rank order of the face at each position of a suit's block of pictures,
// in printed order: As, Dos, Tres, Cuatro, Cinco, Seis, Siete, Sota, Caballo, Rey.
inline constexpr int rango_por_posicion[cartas_por_palo + 1] = {0, 10, 1, 9, 2, 3, 4, 5, 6, 7, 8};
// The inverse: picture position of each rank order.
inline constexpr int posicion_por_rango[cartas_por_palo + 1] = {0, 2, 4, 5, 6, 7, 8, 9, 10, 3, 1};
} // namespace detalle

namespace detalle {
// The code of each face by picture index, worked out once: the deal asks it
// for each of its forty cards.
inline constexpr struct CodigoPorNaipe {
    unsigned char codigo[por_carta] = {};
    constexpr CodigoPorNaipe() {
        for (int p = 1; p <= num_cartas; ++p) {
            const int palo = (p - 1) / cartas_por_palo + 1;
            codigo[p] = static_cast<unsigned char>(
                codigo_de(palo, rango_por_posicion[(p - 1) % cartas_por_palo + 1]));
        }
    }
} codigo_por_naipe{};
} // namespace detalle
// naipes(p): the card code carried in the Tag of the face at picture index p.
inline constexpr int naipe_codigo(int p) {
    assert(es_codigo(p));
    return detalle::codigo_por_naipe.codigo[p];
}
// The picture index of the face of a card code (the inverse of naipe_codigo).
inline constexpr int naipe_de_codigo(int codigo) {
    const Carta c = separar_carta(codigo);
    return cartas_por_palo * (c.palo - 1) + detalle::posicion_por_rango[c.rango];
}
// "As de oros", "Caballo de copas" ... for a card code.
std::string nombre_carta(int codigo);

} // namespace quimbel
