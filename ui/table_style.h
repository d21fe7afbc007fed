// SPDX-License-Identifier: GPL-3.0-or-later
// How the table window looks: its colours, its fonts and how its buttons are
// drawn in each state, in one place, so that the window, the message box, the
// help and the tests that measure the contrast all read the same values.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace quimbel::estilo {

inline constexpr QColor fondo_ventana{0, 64, 64};
inline constexpr QColor verde_tapete{0, 128, 0};
inline constexpr QColor oliva{128, 128, 0};
inline constexpr QColor rojo_marco{192, 0, 0};
inline constexpr QColor barra{0, 0, 0}; // the bar behind the buttons, Shape5

// A button in its back colour, with its caption's colour. When it cannot act
// it turns flat and pale, its caption grey but still easy to read (the
// disabled La Mano names the leader).
struct ColoresBoton {
    QColor fondo;
    QColor texto;
    QColor fondo_inhabilitado;
    QColor texto_inhabilitado;
};
inline constexpr ColoresBoton boton_lila{{128, 128, 255}, {0, 0, 0}, {184, 184, 224}, {56, 56, 96}};
// AGRUPAR is only ever shown when it can act.
inline constexpr ColoresBoton boton_teja{{192, 64, 0}, {255, 255, 255}, {}, {}};
// The frame of the button with the keyboard focus; the same yellow as that of
// a focused card.
inline constexpr QColor marco_foco{255, 255, 0};
// The hint's mark on the card it suggests and its tag: a colour found nowhere
// else on the table nor on the faces, far from the focus's yellow, dark
// enough for the tag's white letters.
inline constexpr QColor marca_pista{200, 0, 170};

QString hoja_de_estilo(const ColoresBoton& colores);

// The fonts the table was designed with, and a metric-compatible substitute
// where they are missing.
QFont arial(qreal puntos);
QFont ms_sans_serif(qreal puntos, bool negrita = false);
// The font of the table's texts that are not captions: the message box, the help.
QFont fuente_mesa();

} // namespace quimbel::estilo
