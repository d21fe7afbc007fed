// SPDX-License-Identifier: GPL-3.0-or-later
// The help the table gives without changing anything on it: what each button
// does (its tooltip) and the keys that play the game, in Spanish.
#pragma once

#include <QList>
#include <QString>

#include "handlers/controls.h"

namespace quimbel::ayuda {

// The tooltip of a button.
QString consejo(Control c);

// The buttons in the order a deal uses them.
inline constexpr Control botones_en_orden[] = {
    Control::barajar, Control::ordenamelas, Control::jugando, Control::recoger, Control::Command2};

struct Tecla {
    QString teclas;
    QString que_hace;
};
// The keys that play the game, as the help lists them; a new key is one more
// line in this list.
const QList<Tecla>& teclas();

inline const QString licencia = QStringLiteral("GNU GPL, versión 3 o posterior");

} // namespace quimbel::ayuda
