// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes of the table: a rectangle, filled or only outlined, with a border
// of a colour and width; also the scoreboard's line (a rectangle one pixel
// high). Drawn inside their box; they take no clicks.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace quimbel {

class FiguraMesa : public QWidget {
  public:
    FiguraMesa(std::optional<QColor> relleno, QColor borde, int grosor, QWidget* padre);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    std::optional<QColor> relleno_;
    QColor borde_;
    int grosor_;
};

} // namespace quimbel
