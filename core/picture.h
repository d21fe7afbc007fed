// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the table: every element the window shows and a trace
// prints (each image's face, Tag, visible and enabled; each button's caption,
// visible and enabled; the labels, shown or hidden), drawn from the table by
// one function. The window mirrors it onto its widgets at each pause and
// after each handler; a trace reads it after each command. The element names
// (`Label4`, `Command2`, `tanteo_nosotros` ...) are the window's own names and
// the script protocol's words.
#pragma once

#include "core/table.h"

namespace quimbel {

struct Cuadro : ElementosEscritos {
    Imagen centro[por_asiento]; // oeste, norte, este, sur: each seat's trick card
    // The trick table: the hidden labels palo k, valor k, tag k of each seat,
    // held typed (their texts would be nombre_palo, the rank and the code).
    int palo[por_asiento] = {};  // suit of the card seat k put down, 0 for " "
    int valor[por_asiento] = {}; // its rank order, 0 for "0"
    int tag[por_asiento] = {};   // its code, 0 for " "
    int la_salida = 0;
    int la_pinta = 0;
    Imagen manos[por_asiento][por_ranura];   // derecha(i), arriba(i), izquierda(i), yo(i)
    Imagen tapas[izquierda + 1][por_ranura]; // tapa_de(i), tapa_ar(i), tapa_iz(i)
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

Cuadro dibujar(const Mesa& m);

} // namespace quimbel
