// SPDX-License-Identifier: GPL-3.0-or-later
// A header of the scoreboard: each word of its caption stands centred over the
// box it heads ("TANTEO" over the two point boxes, "Nos." and "Ellos" over
// one box each). When a word would not fit between its neighbours and the
// edges of the header, the words are narrowed, never moved off their boxes.
#pragma once

#include <QLabel>
#include <QList>

namespace quimbel {

class CabeceraMarcador : public QLabel {
  public:
    // `centros`: the middle of each word's box, in pixels of the window.
    CabeceraMarcador(const QString& texto, QList<qreal> centros, QWidget* padre);

    // How much the words are narrowed to fit (1 when they are not).
    qreal estrechamiento() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QList<qreal> centros_;
};

} // namespace quimbel
