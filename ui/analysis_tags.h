// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis (key A): at the human's turn, each card he may play gets a tag
// on its face with his team's chance of winning the match if he plays it, as
// the hint computes it ("71%"); the best card's tag is in the hint's colour.
// A screen reader reads each tag as the card's name and its chance ("As de
// oros: 71%"). Like the hint it plays nothing and moves nothing, not even the
// focus; the tags go with the turn.
#pragma once

#include <QObject>

#include "advisor/advisor.h"
#include "core/table.h"

class QLabel;
class QWidget;

namespace quimbel {

class ImagenMesa;

class EtiquetasAnalisis {
  public:
    explicit EtiquetasAnalisis(QWidget* ventana);

    // The values of the hint's search, each on its card (`cartas` are the
    // human's image slots, by slot).
    void mostrar(const consejo::Consejo& consejo, ImagenMesa* const (&cartas)[por_ranura]);
    // The tags stay while it is still the same turn: each card tagged still
    // in its slot and playable.
    void quitar_si_gastadas(const Mesa& m);
    void quitar();

    // The text a screen reader reads for a card and its chance.
    static QString dicho(int codigo, double valor);
    // The chance as written on the card: "71%".
    static QString escrito(double valor);

  private:
    QLabel* etiquetas_[por_ranura] = {};
    int codigos_[por_ranura] = {}; // the card each tag was written for, 0 for none
};

} // namespace quimbel
