// What must hold on the table after every command, whatever the user did.
// Each check returns what is wrong, or an empty string.
#pragma once

#include <array>
#include <string>

#include "core/table.h"

namespace quimbel::sim {

// Everything of the table that a person, or the next handler, could tell
// apart; the shared scratch variables are left out, since any routine may
// overwrite them.
struct Foto {
    Imagen manos[5][11];
    Imagen tapas[4][11];
    Imagen centro[5];
    Imagen pinta;
    int cartas[5][5][11];
    int palos[5][11];
    int numeros[8]; // quien_sale, turno_mano, baza_numero, gana_baza, la_salida, la_pinta,
                    // ultima_nosotros, tute_cantado
    int cantado[5][5];
    int salidas[5];
    int fila[5][3]; // the trick table: palo, valor, tag of each seat
    bool marcas[5 + num_anuncios + 2];
    std::string textos[14]; // captions of buttons, score labels and hidden labels
    bool botones[5][2];
};

// With sin_fila4 the human's row of the trick table is left out, since a
// refused card stays written there.
Foto fotografiar(const Mesa& m, bool sin_fila4 = false);
// The names of the parts that differ ("hand images, buttons").
std::string diferencias(const Foto& antes, const Foto& despues);

// Every card code 1..40 is in exactly one place: a visible hand image, a
// shown centre image of the current trick, or collected (put on the table in
// this deal and no longer shown). `jugadas` marks the codes put on the table
// since the deal.
std::string revisar_lugares(const Mesa& m, const std::array<bool, 41>& jugadas);

// Each computer seat's suit arrays hold, at each slot, exactly the code of
// its visible image there; the human's arrays hold exactly the codes of his
// visible images; every visible face shows the card of its Tag; a card back
// covers only a card in hand, and every card of a computer seat is covered
// unless that seat has declared a tute (`destapado`).
std::string revisar_manos(const Mesa& m, const std::array<bool, 5>& destapado);

// The buttons and the human's cards are in one of the states of the turn
// driver: ready to deal, dealt, trick ready, human to play, trick complete.
std::string revisar_botones(const Mesa& m);

} // namespace quimbel::sim
