// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the game stores or shows, in one place. The game compares these
// texts exactly, so they must never be spelled anywhere else.
#pragma once

#include <string_view>

#include "core/cards.h"
#include "core/version.h"

namespace quimbel::texto {

inline constexpr std::string_view oros = "oros";
inline constexpr std::string_view copas = "copas";
inline constexpr std::string_view espadas = "espadas";
inline constexpr std::string_view bastos = "bastos";

inline constexpr std::string_view nosotros = "nosotros";
inline constexpr std::string_view ellos = "ellos";

// An empty place on the trick table.
inline constexpr std::string_view vacio = " ";

// Button captions.
inline constexpr std::string_view barajar_y_repartir = "Barajar y Repartir";
inline constexpr std::string_view nueva_partida = "NUEVA PARTIDA";
inline constexpr std::string_view la_mano = "La Mano";
inline constexpr std::string_view tantearse_recoger = "Tantearse/recoger";
inline constexpr std::string_view salir = "SALIR";
inline constexpr std::string_view agrupar = "AGRUPAR";

// The leader named on `jugando`. The deal says IZQUIERDO, a collection says
// IZQUIERDA: both have always been shown, so both are kept.
inline constexpr std::string_view sale_derecha = "Sale:DERECHA";
inline constexpr std::string_view sale_arriba = "Sale:ARRIBA";
inline constexpr std::string_view sale_izquierdo = "Sale:IZQUIERDO";
inline constexpr std::string_view sale_izquierda = "Sale:IZQUIERDA";
inline constexpr std::string_view salgo_yo = "Salgo YO";

// What a computer leader writes into Label4.
inline constexpr std::string_view salir_x_mala = "Salir x MALA";
inline constexpr std::string_view cantan_a[por_palo] = {"", "Cantan a OROS", "Cantan a COPAS",
                                                        "Cantan a ESPADAS", "Cantan a BASTOS"};

// Refusals of the human's card.
inline constexpr std::string_view echar[por_palo] = {
    "", "Tienes que ECHAR OROS", "Tienes que ECHAR COPAS", "Tienes que ECHAR ESPADAS",
    "Tienes que ECHAR BASTOS"};
inline constexpr std::string_view subir[por_palo] = {
    "", "Tienes que SUBIR a OROS", "Tienes que SUBIR a COPAS", "Tienes que SUBIR a ESPADAS",
    "Tienes que SUBIR a BASTOS"};
inline constexpr std::string_view echar_pinta = "Tienes que ECHAR PINTA";

// Window captions and fixed labels.
// "Quimbel (V1.0)" while the version is 1.0.
inline constexpr std::string_view titulo = "Quimbel (V" QUIMBEL_VERSION ")";
inline constexpr std::string_view pinta_titulo = "PINTA";

} // namespace quimbel::texto

namespace quimbel {

// A team's name: "nosotros", "ellos", or "" for no team.
inline constexpr std::string_view texto_equipo(Equipo e) {
    return e == Equipo::nosotros ? texto::nosotros : e == Equipo::ellos ? texto::ellos : "";
}

} // namespace quimbel
