// The table: everything the table window holds, as plain data.
//
// The game is a set of routines that read and write this state directly, as
// the routines of the window always have: the member variables, and the
// pictures, Tags, captions, visibility and enabled state of the elements. A
// window mirrors it onto its widgets; a headless driver reads it back.
//
// Indexes follow the table: seats 1..4 (derecha, arriba, izquierda, yo),
// suits 1..4 (oros, copas, espadas, bastos), hand slots 1..10, deck
// positions 1..40. Entry 0 of every array is unused.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/announcements.h"
#include "core/cards.h"
#include "core/public_record.h"

namespace quimbel {

class Plataforma;
class FuenteAzar;

// The flags that pass decisions between routines: "no" / "si".
enum class SiNo : unsigned char { no, si };
std::string_view texto_sino(SiNo v);

// What an image shows.
inline constexpr int sin_dibujo = 0;     // no picture
inline constexpr int dibujo_dorso = 41;  // the card back, picture of tapa1
// 1..40: the face of naipes(p), in printed deck order.

struct Imagen {
    int dibujo = sin_dibujo;
    int tag = 0; // the Tag: a card code, 0 while it holds no text
    bool visible = false;
    bool enabled = true;
};

struct Boton {
    std::string caption;
    bool visible = true;
    bool enabled = true;
    bool activo() const { return visible && enabled; }
};

struct Etiqueta {
    std::string caption;
    bool visible = true;
};

struct Mesa {
    Mesa(Plataforma& plataforma, FuenteAzar& azar);

    Plataforma* plataforma;
    FuenteAzar* azar;

    // ---- Member variables ----

    std::array<int, 41> baraja{}; // the shuffled deck: picture indexes of naipes
    // The sixteen suit arrays: cartas[seat][suit][slot] is oros_derecha(slot)
    // for seat 1 and suit 1, and so on. The code of the card dealt into the
    // slot while it is of that suit and still in hand, else 0. For yo they are
    // a set of codes once the hand has been grouped.
    int cartas[5][5][11] = {};
    int palos[5][11] = {}; // palos_derecha ... palos_yo: suit number of each slot

    int quien_sale = 0;
    int turno_mano = 0;
    int baza_numero = 0;
    int gana_baza = 0;
    Equipo equipo_gana = Equipo::ninguno;
    SiNo tute_cantado = SiNo::no;
    int cantado[5][5] = {}; // cantado[seat][suit]: cantado_oros_derecha ...
    int salidas[5] = {};    // salidas_oros ... salidas_bastos

    int valor_carta = 0; // separar_carta: code in, rank order out
    int palo_carta = 0;  // separar_carta: the suit (its name is nombre_palo)

    // Shared scratch.
    int indice = 0;
    int vuelta = 0;
    int sorteo = 0;
    int encontrado = 0;

    bool fin_pausa_corta = false;
    bool fin_pausa_larga = false;

    // Hand grouping.
    int paso_palo = 0;
    // Human play.
    int carta_rechazada = 0;
    // Computer players.
    SiNo carta_elegida = SiNo::no;
    SiNo hay_fallo = SiNo::no;
    int quien_falla = 0;
    int pinta_asiento[5] = {}; // pinta_derecha ... pinta_yo
    // Declarations and scoring.
    SiNo cante_hecho = SiNo::no;
    int canto_baza[5] = {}; // canto_baza_derecha ... canto_baza_yo
    int tanteo_equipo = 0;
    int puntos_carta = 0;
    int ultima_nosotros = 0;
    // Every card put down in this deal, in order: what a player remembers.
    RegistroPublico registro;

    // ---- Elements ----

    std::array<Imagen, 41> naipes{}; // the card store, never shown
    Imagen tapa1;                    // the card back, never shown
    Imagen manos[5][11];             // derecha(i), arriba(i), izquierda(i), yo(i)
    Imagen tapas[4][11];             // tapa_de(i), tapa_ar(i), tapa_iz(i)
    Imagen centro[5];                // oeste, norte, este, sur: each seat's card in the trick
    Imagen pinta;                    // the trump card; its Tag is the trump code
    bool label2_visible = false;     // "PINTA" over the trump
    bool shape4_visible = false;     // the trump's frame
    bool mano_marcador[5] = {};      // mano1 ... mano4: the first leader of the deal
    bool anuncios[num_anuncios] = {}; // the announcement pictures

    // The trick table: the hidden labels palo k, valor k, tag k of each seat.
    // Held typed; their texts are texto_palo, texto_valor and texto_tag.
    int palo[5] = {};  // suit of the card seat k put down, 0 for " "
    int valor[5] = {}; // its rank order, 0 for "0"
    int tag[5] = {};   // its code, 0 for " "
    int la_salida = 0; // the suit led in this trick, 0 before any lead
    int la_pinta = 0;  // the trump suit
    Etiqueta Label4{"", false};
    Etiqueta label7{"", false};
    Etiqueta Label3{"", false};

    Boton barajar;
    Boton jugando;
    Boton recoger;
    Boton Command2;
    Boton ordenamelas;

    Etiqueta tanteo_nosotros;
    Etiqueta tanteo_ellos;
    Etiqueta juegos_nosotros;
    Etiqueta juegos_ellos;

    // ---- Texts of the hidden labels, exactly as the window held them ----
    std::string_view texto_palo(int k) const { return nombre_palo(palo[k]); }
    std::string texto_valor(int k) const { return std::to_string(valor[k]); }
    std::string texto_tag(int k) const { return tag[k] ? std::to_string(tag[k]) : " "; }
};

// The captions that hold numbers are read back by their numeric value; text
// that is not a number reads as 0.
int valor_numerico(std::string_view caption);
inline void escribir_numero(Etiqueta& etiqueta, int n) { etiqueta.caption = std::to_string(n); }

// Element names, for windows and traces.
std::string_view nombre_asiento(int asiento);        // "derecha" ... "yo"
std::string_view nombre_centro(int asiento);         // "oeste", "norte", "este", "sur"

} // namespace quimbel
