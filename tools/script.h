// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of a table script, one a line: `seed N`, `load`, `press B`,
// `click I`. Reading a line and writing it back are exact inverses, so that a
// generated script replays as the same commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "handlers/controls.h"

namespace quimbel::sim {

enum class TipoOrden { seed, load, press, click };

struct Orden {
    TipoOrden tipo = TipoOrden::load;
    std::uint64_t semilla = 0;        // seed
    Control boton = Control::barajar; // press
    int carta = 0;                    // click: the image yo(carta), 1..10
};

// The button's name in a script: "barajar", "ordenamelas", "jugando",
// "recoger", "Command2".
std::string_view nombre_boton(Control c);

// The line that reads back as this command.
std::string texto_orden(const Orden& orden);

// One line of a script: nothing (blank or comment), a command, or what is
// wrong with it.
struct LineaLeida {
    enum Clase { nada, orden, error } clase = nada;
    Orden leida;
    std::string que_falla;
};
LineaLeida leer_linea(std::string_view linea);

} // namespace quimbel::sim
