// SPDX-License-Identifier: GPL-3.0-or-later
// The checks after one command of a user, whatever drives the table: the
// soak's random scripts, or a test that plays whole matches. Before the
// command the table is photographed; after it, what the command did is held
// against what it may do, and the table's invariants against the table.
#pragma once

#include <string>

#include "checks/snapshot.h"
#include "checks/watcher.h"
#include "handlers/controls.h"

namespace quimbel::revision {

// What a user did: loaded the window, pressed a button, or clicked yo(carta).
struct Accion {
    enum Tipo { carga, pulsacion, clic } tipo = carga;
    Control boton = Control::barajar;
    int carta = 0;
};

// What the command was meant to do, and what it did: run its handler, be
// ignored (its control could not act), or end the program.
enum class Intencion { avanzar, en_vano, salir };
enum class Resultado { hecho, ignorado, salir };

class Revisor {
  public:
    explicit Revisor(const Mesa& m) : vigia(m), m_(m) {}

    // Before each command.
    void antes();
    // After it: what is wrong, or an empty string.
    std::string despues(const Accion& a, Intencion intencion, Resultado r);

    // The notices of the table go here, and what it announced stays here.
    Vigia vigia;

  private:
    std::string revisar(const Accion& a, Intencion intencion, Resultado r);
    // The seats desde .. hasta-1 put their cards in that order, from the card
    // `primera` of this command on.
    std::string revisar_turnos(int desde, int hasta, std::size_t primera) const;

    const Mesa& m_;
    Foto antes_{};
    Foto antes_sin_fila4_{};
    Conjunto aceptadas_antes_ = 0; // the cards the rules accept, at the human's turn
    int juegos_antes_[2] = {};
};

} // namespace quimbel::revision
