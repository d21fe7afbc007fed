// What the table announces while the soak plays it: across the deal, the
// cards put on the table and the declarations shown; during one command, the
// message boxes, the cards, the banners and the games they bring. The end of
// a deal is checked when its banner shows, while the two hand scores are final.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/table.h"
#include "tools/script_driver.h"

namespace quimbel::sim {

// What the table announces during one command, and across the deal.
class Vigia final : public Oyente {
  public:
    explicit Vigia(const Mesa& m) : m_(m) {}

    void nuevo_reparto() {
        jugadas.fill(false);
        cantes = 0;
        destapado.fill(false);
        hubo_reparto = true;
    }
    void nueva_orden() {
        mensajes.clear();
        puestas.clear();
        partida_terminada = false;
        equipo_juego = Equipo::ninguno;
        suma_juego = 0;
        equipo_tute = Equipo::ninguno;
        fallo.clear();
    }

    void carta_puesta(int asiento, int codigo) override;
    void anuncio_mostrado(Anuncio a) override;
    void mensaje(std::string_view texto) override { mensajes.emplace_back(texto); }
    // While a handler pauses, the window goes on answering clicks: nothing but
    // SALIR may be able to act then.
    void pausa() override;

    void anotar(std::string que) {
        if (fallo.empty()) fallo = std::move(que);
    }

    // Across the deal.
    std::array<bool, 41> jugadas{};
    std::array<bool, 5> destapado{};
    int cantes = 0;
    bool hubo_reparto = false;
    // During one command.
    std::vector<std::string> mensajes;
    std::vector<std::pair<int, int>> puestas;
    bool partida_terminada = false;
    Equipo equipo_juego = Equipo::ninguno;
    int suma_juego = 0;
    Equipo equipo_tute = Equipo::ninguno;
    std::string fallo;

  private:
    const Mesa& m_;
};

} // namespace quimbel::sim
