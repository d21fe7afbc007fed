// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of a trace, exactly as the script protocol spells them, written
// into one text buffer.
#pragma once

#include <string>
#include <string_view>

#include "core/table.h"

namespace quimbel::sim {

class Traza {
  public:
    // After a deal: the four `deal` lines (seats 1..4, slots 1..10), then `trump`.
    void reparto(const Mesa& m);
    // After the grouping: `group` and the codes of yo(1..10).
    void agrupado(const Mesa& m);
    void jugada(int asiento, int codigo);   // play S C
    void rechazo(std::string_view mensaje); // refuse TEXT
    void anuncio(Anuncio a);                // show E
    void baza(int asiento, Equipo equipo);  // win S TEAM
    void estado(const Mesa& m);             // state ...
    void ignorado();                        // ignored
    void salir();                           // quit

    std::string& texto() { return texto_; }

  private:
    void numero(long long n);
    void palabra(std::string_view s) { texto_.append(s); }
    std::string texto_;
};

} // namespace quimbel::sim
