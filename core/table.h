// SPDX-License-Identifier: GPL-3.0-or-later
// The table: everything the table window holds, as plain data.
//
// The game is a set of routines that read and write this state directly, as
// the routines of the window always have: the member variables, and the
// pictures, Tags, captions, visibility and enabled state of the elements. A
// window mirrors it onto its widgets; a headless driver reads it back.
//
// Indexes follow the table: seats 1..4 (derecha, arriba, izquierda, yo),
// suits 1..4 (oros, copas, espadas, bastos), hand slots 1..10, deck
// positions 1..40. Entry 0 of every array is unused. Whatever a routine
// needs only while it runs is a local or a parameter, not a field here.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/announcements.h"
#include "core/caption.h"
#include "core/card_set.h"
#include "core/cards.h"
#include "core/public_record.h"

namespace quimbel {

class Plataforma;
class FuenteAzar;

// The flags that pass decisions between routines: "no" / "si".
enum class SiNo : unsigned char { no, si };

// What an image shows.
inline constexpr int sin_dibujo = 0;                // no picture
inline constexpr int dibujo_dorso = num_cartas + 1; // the card back, picture of tapa1
// 1..40: the face of naipes(p), in printed deck order.

struct Imagen {
    int dibujo = sin_dibujo;
    int tag = 0; // the Tag: a card code, 0 while it holds no text
    bool visible = false;
    bool enabled = true;
};

// naipes(1..40): the card store, never shown and never written: the forty
// faces in printed deck order, each with its code as Tag. The same for every
// table, so a table holds none of its own.
struct Naipes {
    Imagen naipe[por_carta] = {};
    constexpr Naipes() {
        for (int p = 1; p <= num_cartas; ++p) naipe[p] = Imagen{p, naipe_codigo(p), false, true};
    }
    constexpr const Imagen& operator[](int p) const { return naipe[p]; }
};

struct Boton {
    Rotulo caption;
    bool visible = true;
    bool enabled = true;
    bool activo() const { return visible && enabled; }
};

struct Etiqueta {
    Rotulo caption;
    bool visible = true;
};

// What each team has on the score: the card points of this deal and the
// games of this match.
struct Cuenta {
    int tanteo = 0;
    int juegos = 0;
};

// The window's elements that the routines still write directly, as the old
// window's routines did. The picture (core/picture.h) is drawn from these and
// from the game's own facts; whatever is drawn from facts is no longer here.
struct ElementosEscritos {
    static constexpr Naipes naipes{};     // the card store, never shown
    Imagen pinta;                         // the trump card; its Tag is the trump code
    bool label2_visible = false;          // "PINTA" over the trump
    bool shape4_visible = false;          // the trump's frame
    bool mano_marcador[por_asiento] = {}; // mano1 ... mano4: the first leader of the deal
    bool anuncios[num_anuncios] = {};     // the announcement pictures

    Etiqueta Label4{Rotulo(), false}; // the last trick's team, or the branch a computer leader took
    // Two hidden labels that hold numbers, held typed (their texts would be
    // the decimal numbers): the winner of the last trick collected, and the
    // leader of the trick the human last played to. 0 before the first.
    int label7 = 0;
    int Label3 = 0;
};

// How `jugando` names the leader: "La Mano" until the first deal, then the
// leader's seat as the deal words it ("Sale:IZQUIERDO") or as a collection
// words it ("Sale:IZQUIERDA").
enum class NombreDeSalida : unsigned char { la_mano, del_reparto, de_la_baza };

struct Mesa : ElementosEscritos {
    Mesa(Plataforma& plataforma, FuenteAzar& azar);

    Plataforma* plataforma;
    FuenteAzar* azar;

    // ---- Member variables ----

    // The trick: the card each seat has put down in it, 0 while it has not
    // (the human's entry also holds a card he clicked and was refused, until
    // his next click), and whether it shows on the table; the suit led and
    // the trump suit. Collecting hides the cards and leaves the entries until
    // the next trick starts.
    int en_baza[por_asiento] = {};
    bool en_mesa[por_asiento] = {};
    int la_salida = 0; // 0 before any lead
    int la_pinta = 0;
    int palo_en(int asiento) const {
        return en_baza[asiento] == 0 ? 0 : palo_de_codigo(en_baza[asiento]);
    }
    int valor_en(int asiento) const {
        return en_baza[asiento] == 0 ? 0 : rango_de_codigo(en_baza[asiento]);
    }

    // Whether slot `ranura` of the seat holds a card still in hand.
    bool en_mano_en(int asiento, int ranura) const {
        const int codigo = en_hueco[asiento][ranura];
        return codigo != 0 && en_mano[asiento].tiene(codigo);
    }

    int baraja[por_carta] = {}; // the shuffled deck: picture indexes of naipes
    // The hands. Each slot of a seat's hand holds the card dealt into it (or,
    // for the human once grouped, the card grouping put there); the slot keeps
    // its card after it is played, as the window's image keeps its Tag. The
    // cards still in hand are en_mano: their set, and the slot of each (see
    // core/card_set.h). A card is in a hand, and shown there, exactly when its
    // seat's set holds it.
    int en_hueco[por_asiento][por_ranura] = {};
    CartasEnMano en_mano[por_asiento];
    // The computer seats whose hand lies face up, after a tute.
    bool destapado[por_asiento] = {};

    int quien_sale = 0;
    int turno_mano = 0;
    int baza_numero = 0;
    SiNo tute_cantado = SiNo::no;
    int cantado[por_asiento][por_palo] = {}; // cantado_oros_derecha ...
    int salidas[por_palo] = {};              // salidas_oros ... salidas_bastos
    int ultima_nosotros = 0;                 // 1 when nosotros took the last trick of the deal

    // Every card put down in this deal, in order: what a player remembers.
    RegistroPublico registro;

    // What may act next: the picture draws the buttons and the human's cards
    // from these. SALIR can always act.
    bool puede_barajar = true;
    bool puede_jugar = false;
    bool puede_recoger = false;
    bool ofrece_agrupar = false; // AGRUPAR is shown
    bool juega_yo = false;       // the human's cards can be clicked
    bool nueva_partida = false;  // barajar offers a new match: "NUEVA PARTIDA"
    NombreDeSalida nombre_de_salida = NombreDeSalida::la_mano;

    // The score, as numbers: the labels that show it are drawn from these.
    Cuenta nosotros;
    Cuenta ellos;
    // Any team but nosotros scores as ellos.
    Cuenta& cuenta(Equipo e) { return e == Equipo::nosotros ? nosotros : ellos; }
    const Cuenta& cuenta(Equipo e) const { return e == Equipo::nosotros ? nosotros : ellos; }
};

// A caption read by its numeric value, as the game reads a number written as
// text; text that is not a number reads as 0.
int valor_numerico(std::string_view caption);

// Element names, for windows and traces.
std::string_view nombre_asiento(int asiento); // "derecha" ... "yo"
std::string_view nombre_centro(int asiento);  // "oeste", "norte", "este", "sur"

} // namespace quimbel
