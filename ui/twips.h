// SPDX-License-Identifier: GPL-3.0-or-later
// Places and sizes of the windows are kept in twips, as the windows were laid
// out: 1440 to an inch, 15 to a pixel at 96 dots per inch.
#pragma once

namespace quimbel {

inline constexpr int twips_por_pixel = 15;

// To the nearest pixel, halves away from zero: the table's elements.
constexpr int a_pixeles(int twips) {
    return twips >= 0 ? (twips + 7) / twips_por_pixel : -((-twips + 7) / twips_por_pixel);
}

// Down to the pixel below, so that -1 twip is pixel -1: the splash's moving
// pictures, which keep their place when they stand partly off an edge.
constexpr int pixel_abajo(int twips) {
    const int p = twips / twips_por_pixel;
    return twips % twips_por_pixel != 0 && twips < 0 ? p - 1 : p;
}

} // namespace quimbel
