// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the table: every element the window shows and a trace
// prints (each image's face, Tag, visible and enabled; each button's caption,
// visible and enabled; the labels, shown or hidden), drawn from the game's
// state by one function. The window mirrors it onto its widgets at each pause
// and after each handler; a trace reads it after each command. No routine of
// the game writes an element: the element names (`Label4`, `Command2`,
// `tapa_de` ...) live here, as the window's own names and the script
// protocol's words.
#pragma once

#include "core/caption.h"
#include "core/table.h"

namespace quimbel {

// What an image shows.
inline constexpr int sin_dibujo = 0;                // no picture
inline constexpr int dibujo_dorso = num_cartas + 1; // the card back
// 1..40: the face of naipes(p), in printed deck order.

struct Imagen {
    int dibujo = sin_dibujo;
    int tag = 0; // the Tag: a card code, 0 while it holds no text
    bool visible = false;
    bool enabled = true;
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

struct Cuadro {
    Imagen manos[por_asiento][por_ranura];   // derecha(i), arriba(i), izquierda(i), yo(i)
    Imagen tapas[izquierda + 1][por_ranura]; // tapa_de(i), tapa_ar(i), tapa_iz(i)
    Imagen centro[por_asiento];              // oeste, norte, este, sur: each seat's trick card
    Imagen pinta;                            // the trump card; its Tag is the trump code
    bool label2_visible = false;             // "PINTA" over the trump
    bool shape4_visible = false;             // the trump's frame
    bool mano_marcador[por_asiento] = {};    // mano1 ... mano4: the first leader of the deal
    bool anuncios[num_anuncios] = {};        // the announcement pictures

    // The trick table: the hidden labels palo k, valor k, tag k of each seat,
    // held typed (their texts would be nombre_palo, the rank and the code).
    int palo[por_asiento] = {};  // suit of the card seat k put down, 0 for " "
    int valor[por_asiento] = {}; // its rank order, 0 for "0"
    int tag[por_asiento] = {};   // its code, 0 for " "
    int la_salida = 0;
    int la_pinta = 0;
    // Hidden labels: the last trick's team or a computer leader's branch; the
    // last trick's winner (label7); who led the human's last trick (Label3).
    Etiqueta Label4{Rotulo(), false};
    int label7 = 0;
    int Label3 = 0;

    Boton barajar;
    Boton jugando;
    Boton recoger;
    Boton Command2;
    Boton ordenamelas;

    Etiqueta tanteo_nosotros;
    Etiqueta tanteo_ellos;
    Etiqueta juegos_nosotros;
    Etiqueta juegos_ellos;
};

Cuadro dibujar(const Juego& m);

} // namespace quimbel
