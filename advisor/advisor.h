// SPDX-License-Identifier: GPL-3.0-or-later
// Pista: the card to play, found by dealing the unseen cards in many ways
// that agree with what the human has seen and playing the rest of the deal
// out in each, with the computer seats' own chains.
//
// Only what the human knows goes in (advisor/knowledge.h). Worlds whose
// chains would not have put down the cards that were put down are dropped.
// Each card the rules accept is then played in every world, the deal finished
// (the human's later cards by the first-accepted policy), and valued by our
// team's chance of winning the match. The hint has its own random source and
// works on copies: the game's table and draws are never touched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "advisor/knowledge.h"
#include "core/table.h"

namespace quimbel::consejo {

// The sampling searches' count of worlds, and the default of `quimbel-sim duel --samples`.
inline constexpr int muestras_por_defecto = 48;

// How the hint searches.
enum class Busqueda {
    v1,       // version 1.0: a fixed number of worlds, the leaders' draws from a
              // grid, worlds kept or dropped, each played out once per card
    muestreo, // as v1, with the draws enumerated exactly and worlds weighed
    plana,    // flat: worlds drawn until a budget of playouts is spent, the
              // cards compared on the same worlds and dropped once clearly worse
    ismcts,   // a search tree over the human's own later cards, each pass
              // in a world drawn afresh (information-set Monte Carlo)
};
inline constexpr std::string_view nombres_busqueda[] = {"v1", "sampling", "flat", "ismcts"};

// The window's budget of playouts (a deal finished from one card in one
// world), and the default of `quimbel-sim duel`.
inline constexpr int presupuesto_por_defecto = 1000;

struct Ajustes {
    int muestras = muestras_por_defecto;       // v1, muestreo: worlds played out per card
    int presupuesto = presupuesto_por_defecto; // plana, ismcts: playouts in all
    std::uint64_t semilla = 1;                 // the hint's own draws
    Busqueda busqueda = Busqueda::plana;
};

struct Valoracion {
    int hueco = 0;    // the human's image slot
    int codigo = 0;   // its card
    double valor = 0; // the mean chance of winning the match
};

struct Consejo {
    int hueco = 0; // 0: the human cannot play now
    int codigo = 0;
    std::vector<Valoracion> valores; // each card the rules accept, by slot
    int mundos = 0;                  // worlds played out
    int coherentes = 0;              // of them, those whose chains can have played as seen
};

Consejo aconsejar(const Conocimiento& k, const Ajustes& ajustes = {});

// The window's entry: from the table at the human's turn, the suggested slot,
// its card and the card's name ("As de oros"); slot 0 outside his turn.
struct Pista {
    int hueco = 0;
    int codigo = 0;
    std::string nombre;
    Consejo consejo; // the values behind it
};
Pista pedir_pista(const Mesa& m, const Ajustes& ajustes = {});

} // namespace quimbel::consejo
