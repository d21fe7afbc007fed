// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a mirror of the table: every picture, visibility, enabled
// state and caption that the game has written is copied to the widget of the
// same name. Run at each pause and at the end of each handler.
#pragma once

#include "core/table.h"
#include "ui/table_elements.h"

namespace quimbel {

class VistaMesa {
  public:
    VistaMesa(const Mesa& mesa, const ElementosMesa& elementos) : m_(mesa), e_(elementos) {}
    void refrescar();

  private:
    const Mesa& m_;
    const ElementosMesa& e_;
};

} // namespace quimbel
