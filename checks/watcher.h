// SPDX-License-Identifier: GPL-3.0-or-later
// What the table announces while it is played: across the deal, the cards
// put on the table and the declarations shown; during one command, the
// message boxes, the cards, the banners and the games they bring. The end of
// a deal is checked when its banner shows, while the two hand scores are
// final. Whoever drives the table passes its notices on here.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/table.h"

namespace quimbel::revision {

class Vigia {
  public:
    explicit Vigia(const Mesa& m) : m_(m) {}

    void nuevo_reparto();
    void nueva_orden();

    void carta_puesta(int asiento, int codigo);
    void anuncio_mostrado(Anuncio a);
    void mensaje(std::string_view texto) { mensajes.emplace_back(texto); }
    // While a handler pauses, the window goes on answering clicks: nothing but
    // SALIR may be able to act then.
    void pausa();

    void anotar(std::string que) {
        if (fallo.empty()) fallo = std::move(que);
    }

    // Across the deal.
    bool jugadas[por_carta] = {};
    bool destapado[por_asiento] = {};
    int cantes = 0;
    bool hubo_reparto = false;
    // During one command.
    std::vector<std::string> mensajes;
    std::vector<std::pair<int, int>> puestas; // seat and code of each card put down
    bool partida_terminada = false;
    Equipo equipo_juego = Equipo::ninguno;
    int suma_juego = 0;
    Equipo equipo_tute = Equipo::ninguno;
    std::string fallo;

  private:
    const Mesa& m_;
};

} // namespace quimbel::revision
