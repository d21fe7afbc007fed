// SPDX-License-Identifier: GPL-3.0-or-later
// Starting without a graphical display: Qt's platform plugin ends the process
// with its own generic advice and an abort. Around the creation of the
// application the program watches Qt's messages instead, and if no display
// can be opened it prints one line of its own and exits with status 1.
//
//     quimbel::vigilar_arranque();
//     QApplication app(argc, argv);
//     quimbel::arranque_hecho();
#pragma once

namespace quimbel {

// The line printed on standard error when there is no display.
inline constexpr const char* sin_pantalla =
    "quimbel: Quimbel necesita una pantalla gráfica y no ha podido abrir ninguna.";

// Call just before creating the application: from now on Qt's messages are
// held back, and a fatal one prints sin_pantalla and exits with status 1.
void vigilar_arranque();

// Call once the application exists: the messages held back are let through
// and Qt's own handling of messages comes back.
void arranque_hecho();

} // namespace quimbel
