// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for the answer to a box shown over a window, as a modal box waits,
// but without Qt's modality: Qt drops the window manager's close of a window
// that a modal box blocks, and the close button of the table must end the
// game whatever is open. Instead, while the box is up, the window under it
// takes no mouse, key or touch input; its close still comes through.
#pragma once

class QDialog;
class QWidget;

namespace quimbel {

// Shows `caja` and returns when it is answered or closed (or when the
// application's loops are told to end). Meanwhile `ventana`'s window ignores
// input, and a click on it brings the box back to the front.
void esperar_respuesta(QDialog& caja, QWidget* ventana);

} // namespace quimbel
