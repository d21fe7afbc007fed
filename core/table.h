// SPDX-License-Identifier: GPL-3.0-or-later
// The table: the game's state, every fact of it held once, as plain data, and
// the two services the routines call (the platform and the random source).
//
// The state is the game and nothing of its picture: where every card is, the
// trick in play, the scores, who leads, the declarations made, what may act
// next, and the few facts of history the window shows (what Label4 last said,
// the last trick's winner). The window's elements are drawn from it by one
// function, dibujar (core/picture.h). A routine needs only while it runs is
// a local or a parameter, never a field here.
//
// Indexes follow the table: seats 1..4 (derecha, arriba, izquierda, yo),
// suits 1..4 (oros, copas, espadas, bastos), hand slots 1..10. Entry 0 of
// every array is unused.
#pragma once

#include <string_view>
#include <type_traits>

#include "core/announcements.h"
#include "core/card_set.h"
#include "core/cards.h"
#include "core/public_record.h"

namespace quimbel {

class Plataforma;
class FuenteAzar;

// The flags that pass decisions between routines: "no" / "si".
enum class SiNo : unsigned char { no, si };

// What each team has on the score: the card points of this deal and the
// games of this match.
struct Cuenta {
    int tanteo = 0;
    int juegos = 0;
};

// How `jugando` names the leader: "La Mano" until the first deal, then the
// leader's seat as the deal words it ("Sale:IZQUIERDO") or as a collection
// words it ("Sale:IZQUIERDA").
enum class NombreDeSalida : unsigned char { la_mano, del_reparto, de_la_baza };

// What the hidden label Label4 last had written in it: the team of the last
// trick collected, or the branch a computer leader took.
enum class Nota : unsigned char {
    nada,
    equipo_ninguno,
    equipo_nosotros,
    equipo_ellos,
    cantan_oros, // cantan_oros + suit - 1 for each suit
    cantan_copas,
    cantan_espadas,
    cantan_bastos,
    salir_x_mala,
};
inline constexpr Nota nota_de_equipo(Equipo e) {
    return e == Equipo::nosotros ? Nota::equipo_nosotros
           : e == Equipo::ellos  ? Nota::equipo_ellos
                                 : Nota::equipo_ninguno;
}
inline constexpr Nota nota_cantan(int palo) {
    assert(es_palo(palo));
    return static_cast<Nota>(static_cast<int>(Nota::cantan_oros) + palo - 1);
}

inline constexpr int sin_anuncio = -1;

struct Juego {
    // ---- The cards ----

    // The hands. Each slot of a seat's hand holds the card dealt into it (or,
    // for the human once grouped, the card grouping put there); the slot
    // keeps its card after it is played, as the window's image keeps its Tag.
    // The cards still in hand are en_mano: each seat's set, and the slot of
    // each card (see core/card_set.h). A card is in a hand, and shown there,
    // exactly when its seat's set holds it.
    unsigned char en_hueco[por_asiento][por_ranura] = {};
    Manos en_mano;
    // The computer seats whose hand lies face up, after a tute.
    bool destapado[por_asiento] = {};

    // The trick: the card each seat has put down in it, 0 while it has not
    // (the human's entry also holds a card he clicked and was refused, until
    // his next click), and whether it shows on the table. Collecting hides the
    // cards and leaves the entries until the next trick starts.
    unsigned char en_baza[por_asiento] = {};
    bool en_mesa[por_asiento] = {};
    unsigned char la_salida = 0; // the suit led, 0 before any lead
    unsigned char la_pinta = 0;  // the trump suit
    // The trump card, turned up from the dealer's hand, and whether it shows.
    unsigned char carta_de_pinta = 0;
    bool pinta_a_la_vista = false;

    // Every card put down in this deal, in order: what a player remembers.
    RegistroPublico registro;

    // ---- The deal and the match ----

    unsigned char quien_sale = 0;  // who leads this trick
    unsigned char turno_mano = 0;  // the first leader of the deal
    unsigned char baza_numero = 0; // the trick being played, 1..10; 11 after the tenth
    bool hubo_reparto = false;     // a deal has been dealt: the leader's mark shows
    SiNo tute_cantado = SiNo::no;
    unsigned char ultima_nosotros = 0;                 // 1 when nosotros took the last trick
    unsigned char cantado[por_asiento][por_palo] = {}; // cantado_oros_derecha ...: a pair declared
    unsigned char salidas[por_palo] = {};              // salidas_oros ...: times each suit was led

    // The score, as numbers: the labels that show it are drawn from these.
    Cuenta nosotros;
    Cuenta ellos;

    // ---- What may act next ----

    // The picture draws the buttons and the human's cards from these. SALIR
    // can always act.
    bool puede_barajar = true;
    bool puede_jugar = false;
    bool puede_recoger = false;
    bool ofrece_agrupar = false; // AGRUPAR is shown
    bool juega_yo = false;       // the human's cards can be clicked
    bool nueva_partida = false;  // barajar offers a new match: "NUEVA PARTIDA"
    NombreDeSalida nombre_de_salida = NombreDeSalida::la_mano;

    // ---- History the window shows ----

    signed char anuncio_en_pantalla = sin_anuncio; // the announcement over the table
    Nota nota = Nota::nada;                        // what Label4 says
    unsigned char ganador_ultima_baza = 0;         // label7: the last trick's winner
    unsigned char lider_de_mi_baza = 0; // Label3: who led the trick the human last played to

    // ---- Questions ----

    // Any team but nosotros scores as ellos.
    Cuenta& cuenta(Equipo e) { return e == Equipo::nosotros ? nosotros : ellos; }
    const Cuenta& cuenta(Equipo e) const { return e == Equipo::nosotros ? nosotros : ellos; }
    // Whether slot `ranura` of the seat holds a card still in hand.
    bool en_mano_en(int asiento, int ranura) const {
        const int codigo = en_hueco[asiento][ranura];
        return codigo != 0 && en_mano[asiento].tiene(codigo);
    }
    // The suit and rank order of the card the seat has put down, 0 for none.
    int palo_en(int asiento) const { return palo_de_entrada(en_baza[asiento]); }
    int valor_en(int asiento) const { return rango_de_entrada(en_baza[asiento]); }
};

// A game's state is copied whole for every world the hint plays out: small,
// and nothing to copy but bytes.
static_assert(std::is_trivially_copyable_v<Juego>);
static_assert(sizeof(Juego) <= 512);

// The game's state with the services its routines call.
struct Mesa : Juego {
    Mesa(Plataforma& plataforma_, FuenteAzar& azar_) : plataforma(&plataforma_), azar(&azar_) {}

    Plataforma* plataforma;
    FuenteAzar* azar;
};

// Element names, for windows and traces.
std::string_view nombre_asiento(int asiento); // "derecha" ... "yo"
std::string_view nombre_centro(int asiento);  // "oeste", "norte", "este", "sur"

} // namespace quimbel
