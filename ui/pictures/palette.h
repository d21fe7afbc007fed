// SPDX-License-Identifier: GPL-3.0-or-later
// The flat palette of every picture: about sixteen colours, as old printed
// cards have, so that the pictures look of one family.
#pragma once

#include <QColor>
#include <QRgb>

namespace quimbel::dibujos::paleta {

inline constexpr QRgb negro = 0xff000000;
inline constexpr QRgb blanco = 0xffffffff;
inline constexpr QRgb rojo = 0xffd3171b;
inline constexpr QRgb rojo_oscuro = 0xff7c0a0c;
inline constexpr QRgb amarillo = 0xffffd21f;
inline constexpr QRgb oro_oscuro = 0xffb97f00;
inline constexpr QRgb azul = 0xff2b6fd8;
inline constexpr QRgb azul_oscuro = 0xff123c8c;
inline constexpr QRgb verde = 0xff3ea834;
inline constexpr QRgb verde_oscuro = 0xff1c641c;
inline constexpr QRgb marron = 0xff8a4b1d;
inline constexpr QRgb carne = 0xfff6c9a0;
inline constexpr QRgb gris_claro = 0xffd2d2d2;
inline constexpr QRgb gris = 0xff808080;
inline constexpr QRgb gris_oscuro = 0xff3c3c3c;
inline constexpr QRgb tapete = 0xff0c7a2a; // the green of a card table

// Each suit's own colours: the dress of its figures and the line of its frame.
struct ColoresPalo {
    QRgb claro;  // main fill
    QRgb oscuro; // outlines and details
};
inline constexpr ColoresPalo colores_palo(int palo) {
    switch (palo) {
    case 1: return {amarillo, oro_oscuro};
    case 2: return {rojo, rojo_oscuro};
    case 3: return {azul, azul_oscuro};
    default: return {verde, verde_oscuro};
    }
}

} // namespace quimbel::dibujos::paleta
