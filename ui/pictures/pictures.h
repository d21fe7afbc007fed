// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture of the game, drawn by our own code with QPainter at the size
// the table gives (in pixels at 96 dpi) and rendered for the screen's device
// pixel ratio, so that it stays sharp on HiDPI screens. One file per family of
// pictures; each picture's size and text live in its own file.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include "core/announcements.h"

class QPainter;

namespace quimbel::dibujos {

// Logical sizes.
inline constexpr QSize tam_carta{60, 81};
inline constexpr QSize tam_dorso{63, 84};
inline constexpr QSize tam_cartel{300, 200};    // the four banners
inline constexpr QSize tam_bocadillo{208, 135}; // tute and 20 bubbles
inline constexpr QSize tam_estrella{214, 163};  // "LAS 40"
inline constexpr QSize tam_marcador{78, 95};    // the leader marker
inline constexpr QSize tam_logo{150, 67};
inline constexpr QSize tam_reglas{560, 472};
inline constexpr QSize tam_mesita{180, 180};  // splash Picture1
inline constexpr QSize tam_empezar{180, 190}; // splash Picture2
inline constexpr QSize tam_icono{32, 32};

// The face of naipes(p), p = 1..40 in printed deck order (As, Dos ... Rey of
// oros, then copas, espadas, bastos).
QPixmap carta(int naipe, qreal dpr = 1.0);
QPixmap dorso(qreal dpr = 1.0);
// Banner, bubble or starburst, each at its own size; drawn anew at each call.
QPixmap anuncio(Anuncio a, qreal dpr = 1.0);
QSize tam_anuncio(Anuncio a);     // tam_cartel, tam_bocadillo or tam_estrella
QString texto_anuncio(Anuncio a); // the words the picture shows
QPixmap marcador(qreal dpr = 1.0);
// The window's icon, and the icon painted for a square of `lado` pixels (the
// desktop's icon theme takes 16 to 512) or, on any paint device such as an
// SVG file, of `lado` units.
QIcon icono();
QPixmap icono(int lado);
void pintar_icono(QPainter& p, int lado);

// The splash window's pictures.
QPixmap logo(qreal dpr = 1.0);
QPixmap reglas(qreal dpr = 1.0);
// The words of the rules panel: its heading and its list, one rule a line.
QString titulo_reglas();
QStringList lista_reglas();
QPixmap mesita(qreal dpr = 1.0);
QPixmap empezar(qreal dpr = 1.0);

} // namespace quimbel::dibujos
