// SPDX-License-Identifier: GPL-3.0-or-later
// Everything of the table that a person, or the next handler, could tell
// apart, taken at one moment, so that a command that must change nothing can
// be shown to have changed nothing.
#pragma once

#include <string>

#include "core/picture.h"
#include "handlers/controls.h"

namespace quimbel::revision {

// The shared scratch of the routines is left out: no later routine reads it.
struct Foto {
    Imagen manos[por_asiento][por_ranura];
    Imagen tapas[izquierda + 1][por_ranura];
    Imagen centro[por_asiento];
    Imagen pinta;
    unsigned char en_hueco[por_asiento][por_ranura];
    Manos en_mano;
    int numeros[13]; // quien_sale, turno_mano, baza_numero, la_salida, la_pinta,
                     // ultima_nosotros, tute_cantado, label7, Label3, and the numbers
                     // of the four score labels
    unsigned char cantado[por_asiento][por_palo];
    unsigned char salidas[por_palo];
    int fila[por_asiento][3]; // the trick table: palo, valor, tag of each seat
    bool marcas[por_asiento + num_anuncios + 2];
    std::string textos[10];         // captions of the buttons, the score labels and Label4
    bool botones[num_controles][2]; // visible, enabled
};

// With sin_fila4 the human's row of the trick table is left out, since a
// refused card stays written there.
Foto fotografiar(const Mesa& m, bool sin_fila4 = false);
// The names of the parts that differ ("hand images, buttons"), or empty.
std::string diferencias(const Foto& antes, const Foto& despues);

} // namespace quimbel::revision
