// SPDX-License-Identifier: GPL-3.0-or-later
// "Reglas y ayuda", opened with F1 from the table: the rules of the splash,
// what the buttons do, the keys that play the game, the version and the
// license. It leaves the table as it is and the game goes on behind it.
#pragma once

#include <QDialog>

namespace quimbel {

class DialogoAyuda : public QDialog {
    Q_OBJECT

  public:
    explicit DialogoAyuda(QWidget* padre);

    // The size it opens at, where the screen has room.
    static QSize tamano() { return {560, 520}; }
    // The help as the dialog shows it, as HTML.
    static QString contenido();
};

} // namespace quimbel
