// Seats, teams, suits and card codes.
//
// A card is known everywhere by its code 1..40 = 10 * (suit - 1) + rank order,
// where the rank order 1..10 is its strength in the suit (Dos 1 ... As 10).
// The faces are stored in printed deck order (As, Dos, Tres ... Rey), so the
// picture index p of a face and its code differ; naipe_codigo maps one to the
// other.
#pragma once

#include <string>
#include <string_view>

namespace quimbel {

// Seats in the order of play; after yo comes derecha again.
inline constexpr int derecha = 1;
inline constexpr int arriba = 2;
inline constexpr int izquierda = 3;
inline constexpr int yo = 4;

inline constexpr int siguiente_asiento(int asiento) { return asiento == 4 ? 1 : asiento + 1; }

// Suit numbers.
inline constexpr int oros = 1;
inline constexpr int copas = 2;
inline constexpr int espadas = 3;
inline constexpr int bastos = 4;

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
std::string_view texto_equipo(Equipo e); // "nosotros", "ellos" or ""

// The suit of a code as every routine of the game tests it: below 11 oros,
// below 21 copas, below 31 espadas, anything else bastos.
inline constexpr int palo_de_codigo(int codigo) {
    return codigo < 11 ? oros : codigo < 21 ? copas : codigo < 31 ? espadas : bastos;
}
inline constexpr int rango_de_codigo(int codigo) {
    return codigo - 10 * (palo_de_codigo(codigo) - 1);
}
inline constexpr int codigo_de(int palo, int rango) { return 10 * (palo - 1) + rango; }

// Suit names. A number outside 1..4 has the name of an empty place, " ".
std::string_view nombre_palo(int palo);
// The suit whose name is exactly `texto`, or 0 when the text names none.
int palo_de_nombre(std::string_view texto);

// naipes(p): the card code carried in the Tag of the face at picture index p.
int naipe_codigo(int p);
// The picture index of the face of a card code (the inverse of naipe_codigo).
int naipe_de_codigo(int codigo);
// The printed number of the face at picture index p: 1..7, 10, 11, 12.
int naipe_numero(int p);
// "As de oros", "Caballo de copas" ... for a card code.
std::string nombre_carta(int codigo);

} // namespace quimbel
