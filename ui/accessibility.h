// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the game's windows, in Spanish: the windows
// as window frames; the human's cards as buttons that play when pressed; the
// cards on the table, the scores and the announcements by what they say; the
// rules of the splash as text. Pictures that tell a listener nothing (backs,
// frames, the felt) are left out.
#pragma once

class QWidget;

namespace quimbel::accesible {

// Teaches Qt how to read the game's own widgets. Called by each window as it
// is made; only the first call does anything.
void instalar();

// Leaves `w` out of what a screen reader lists.
void ocultar(QWidget* w);
bool oculto(const QWidget* w);

// `w` has just appeared and has something to say: raises the Alert event for
// platforms whose bridge passes it on to a screen reader (Qt 6.4's AT-SPI
// bridge does not; there the reading comes from hacer_anuncio below).
void anunciar(QWidget* w);

// `w` is an announcement, like the table's bubbles and banners: a screen
// reader reads its name out whenever it appears. (An Alert alone is not
// enough: Qt's bridge to AT-SPI does not pass it on.)
void hacer_anuncio(QWidget* w);

} // namespace quimbel::accesible
