// SPDX-License-Identifier: GPL-3.0-or-later
// Where every element of the table window sits, in twips of the client area
// (Left, Top, Width, Height; 15 twips to a pixel at 96 dpi), all in one place.
// The window converts them to pixels with en_pixeles; nothing here moves or
// changes size while the program runs.
#pragma once

#include <QRect>

#include "core/announcements.h"
#include "ui/twips.h"

namespace quimbel::disposicion {

struct Caja {
    int left, top, width, height;
};

using quimbel::a_pixeles;
inline QRect en_pixeles(Caja c) {
    return QRect(a_pixeles(c.left), a_pixeles(c.top), a_pixeles(c.width), a_pixeles(c.height));
}

// The window's client area: 794 x 569 pixels.
inline constexpr int ancho_ventana = 11910;
inline constexpr int alto_ventana = 8535;

// ---- Table and decoration ----
inline constexpr Caja Shape1{2100, 75, 7860, 7545}; // the felt
inline constexpr Caja Shape2{3405, 1320, 5250, 5055};
inline constexpr Caja Shape3[4] = {
    {5625, 1680, 840, 1155}, // the top seat's played card
    {5610, 4260, 840, 1155}, // the human's
    {7395, 2977, 840, 1155}, // the right seat's
    {3840, 2992, 840, 1155}, // the left seat's
};
inline constexpr Caja Shape5{2580, 7695, 6960, 540}; // the bar behind the buttons
inline constexpr Caja Shape6{60, 105, 1995, 1245};   // the scoreboard box
inline constexpr Caja Shape4{10365, 90, 1185, 1665}; // the trump box

// ---- Scoreboard ----
// The headers span the boxes they head, from just inside the frame to the
// middle of the gap between the two pairs of boxes, so that each word can be
// centred over its box without touching the frame (Liberation Sans, standing
// in for MS Sans Serif, is wider than the board was drawn for).
inline constexpr Caja Label9[4] = {
    {90, 210, 1095, 270},  // "TANTEO"
    {1185, 210, 840, 270}, // "JUEGOS"
    {90, 480, 1095, 270},  // "Nos.  Ellos" of the points
    {1185, 480, 840, 270}, // "Nos.  Ellos" of the games
};
// Line1 runs from (90, 705) to (2010, 705).
inline constexpr int Line1_x1 = 90, Line1_x2 = 2010, Line1_y = 705;
inline constexpr Caja tanteo_nosotros{90, 810, 450, 390};
inline constexpr Caja tanteo_ellos{670, 810, 450, 390};
inline constexpr Caja juegos_nosotros{1250, 810, 315, 390};
inline constexpr Caja juegos_ellos{1695, 810, 315, 390};

// ---- Trump ----
inline constexpr Caja Label2{10590, 150, 720, 255};
inline constexpr Caja pinta{10500, 465, 900, 1215};

// ---- Hands: every image the size of one card ----
inline constexpr int ancho_carta = 900, alto_carta = 1215;

// Slots 1..10; entry 0 unused.
inline constexpr int yo_left[por_ranura] = {0,    1620, 2505, 3390, 4275, 5160,
                                            6045, 6930, 7815, 8700, 9585};
inline constexpr int yo_top[por_ranura] = {0,    6765, 6315, 6135, 5880, 5730,
                                           5730, 5880, 6135, 6315, 6765};
inline constexpr int arriba_left[por_ranura] = {0,    3390, 3870, 4365, 4845, 5340,
                                                5820, 6315, 6795, 7290, 7770};
inline constexpr int tapa_ar_left[por_ranura] = {0,    3390, 3877, 4364, 4851, 5338,
                                                 5825, 6312, 6799, 7286, 7770};
inline constexpr int arriba_top = 165;
inline constexpr int derecha_left = 8730;
inline constexpr int derecha_top[por_ranura] = {0,    1260, 1665, 2070, 2460, 2865,
                                                3270, 3675, 4080, 4470, 4875};
inline constexpr int tapa_de_top[por_ranura] = {0,    1260, 1662, 2064, 2466, 2868,
                                                3270, 3672, 4074, 4476, 4875};
inline constexpr int izquierda_left = 2415;
inline constexpr int izquierda_top[por_ranura] = {0,    1245, 1650, 2055, 2445, 2850,
                                                  3255, 3660, 4065, 4470, 4875};
inline constexpr int tapa_iz_top[por_ranura] = {0,    1245, 1649, 2053, 2457, 2861,
                                                3265, 3669, 4073, 4477, 4875};

// The face of a hand slot, and its back (computer seats 1..3).
constexpr Caja mano(int asiento, int slot) {
    switch (asiento) {
    case 1: return {derecha_left, derecha_top[slot], ancho_carta, alto_carta};
    case 2: return {arriba_left[slot], arriba_top, ancho_carta, alto_carta};
    case 3: return {izquierda_left, izquierda_top[slot], ancho_carta, alto_carta};
    default: return {yo_left[slot], yo_top[slot], ancho_carta, alto_carta};
    }
}
constexpr Caja tapa(int asiento, int slot) {
    switch (asiento) {
    case 1: return {derecha_left, tapa_de_top[slot], ancho_carta, alto_carta};
    case 2: return {tapa_ar_left[slot], arriba_top, ancho_carta, alto_carta};
    default: return {izquierda_left, tapa_iz_top[slot], ancho_carta, alto_carta};
    }
}

// ---- The trick: each seat's card on the table (oeste, norte, este, sur) ----
inline constexpr Caja centro[por_asiento] = {
    {0, 0, 0, 0},
    {7365, 2947, 900, 1215}, // oeste, by derecha
    {5580, 1635, 930, 1245}, // norte, by arriba
    {3795, 2947, 930, 1245}, // este, by izquierda
    {5580, 4230, 900, 1215}, // sur, the human's
};

// ---- Leader markers mano1..mano4 ----
// The top two stand partly above the window, where their picture is clear.
inline constexpr Caja marcador[por_asiento] = {
    {0, 0, 0, 0},
    {9645, 5280, 1170, 1425},
    {8745, -120, 1170, 1425},
    {2160, -120, 1170, 1425},
    {1245, 5280, 1170, 1425},
};

// ---- Buttons ----
inline constexpr int ancho_boton = 1605, alto_boton = 405;
inline constexpr Caja barajar{2655, 7770, ancho_boton, alto_boton};
inline constexpr Caja jugando{4385, 7770, ancho_boton, alto_boton};
inline constexpr Caja recoger{6115, 7770, ancho_boton, alto_boton};
inline constexpr Caja Command2{7845, 7770, ancho_boton, alto_boton};
inline constexpr Caja ordenamelas{5250, 7110, ancho_boton, alto_boton};

// ---- The message box that refuses a card: where its top-left corner opens,
// right of the card of the seat on the right (oeste) and level with it, below
// the trump box, so that it covers neither the trick nor the trump ----
inline constexpr int aviso_left = 8385, aviso_top = 2947;

// ---- Credits: on the last line of the window, wholly inside it ----
inline constexpr Caja Label1[2] = {
    {45, 8250, 2250, 285},
    {8835, 8250, 3045, 285},
};

// ---- Announcements ----
// Each seat's bubbles share one place; its "LAS 40" has its own. Every one
// lies wholly inside the window: the partner's starburst touches its top.
constexpr Caja anuncio(Anuncio a) {
    const int n = static_cast<int>(a);
    if (n < 4) {
        constexpr int tops[4] = {270, 1550, 2830, 4110}; // ganjuego ... perpartida
        return {3750, tops[n], 4500, 3000};
    }
    const int asiento = (n - 4) / 7 + 1;
    const bool es_40 = a == anuncio_40(asiento);
    switch (asiento) {
    case 1: return es_40 ? Caja{6705, 2490, 3210, 2445} : Caja{6750, 2700, 3120, 2025};
    case 2: return es_40 ? Caja{4860, 0, 3210, 2445} : Caja{4905, 90, 3120, 2025};
    case 3: return es_40 ? Caja{2115, 2580, 3210, 2445} : Caja{2160, 2790, 3120, 2025};
    default: return es_40 ? Caja{6945, 4860, 3210, 2445} : Caja{6930, 5265, 3120, 2025};
    }
}

} // namespace quimbel::disposicion
