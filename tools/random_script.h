// One random script for the soak, played through the driver as it is
// written: random clicks among the human's cards (so that many are refused
// and clicked again), presses of controls that cannot act, clicks on played
// slots, a new seed now and then, across match ends. After every command the
// table's invariants are checked.
#pragma once

#include <cstdint>
#include <string>

#include "core/random_source.h"
#include "tools/invariants.h"
#include "tools/script_driver.h"
#include "tools/watcher.h"

namespace quimbel::sim {

// The soak's own choices, apart from the game's draws.
class Dado {
  public:
    explicit Dado(std::uint64_t semilla) : estado_(semilla) {}
    std::uint64_t siguiente() { return splitmix64(estado_); }
    int hasta(int n) { return static_cast<int>(siguiente() % static_cast<std::uint64_t>(n)); }
    bool una_de(int n) { return hasta(n) == 0; }

  private:
    std::uint64_t estado_;
};

// What the scripts of a soak did, for its summary.
struct Cuenta {
    std::uint64_t ordenes = 0, rechazos = 0, ignoradas = 0, repartos = 0, partidas = 0;
};

// One random script, played as it is generated.
class Partida {
  public:
    Partida(std::uint64_t semilla, std::uint64_t repartos, std::string cabecera, Cuenta& cuenta)
        : dado_(semilla), repartos_pedidos_(repartos), vigia_(conductor_.mesa()), cuenta_(cuenta),
          guion_(std::move(cabecera)) {
        for (char c : guion_) lineas_ += c == '\n';
    }

    // Plays the whole script; false at the first violation, described by
    // que_fallo() at linea_fallo().
    bool jugar();

    const std::string& guion() const { return guion_; }
    const std::string& traza() { return traza_.texto(); }
    long linea_fallo() const { return lineas_; }
    const std::string& que_fallo() const { return fallo_; }

  private:
    enum class Intencion { avanzar, en_vano, salir };
    bool orden(const Orden& o, Intencion intencion);
    std::string revisar(const Orden& o, Intencion intencion, Resultado r, const Foto& antes,
                        const Foto& antes_sin_fila4, int juegos_antes[2]);
    Orden en_vano();
    // The seats desde .. hasta-1 put their cards in that order, from the
    // card `primera` of this command on.
    std::string revisar_turnos(int desde, int hasta, std::size_t primera) const;

    const Mesa& m() const { return conductor_.mesa(); }

    Dado dado_;
    std::uint64_t repartos_pedidos_;
    std::uint64_t repartos_ = 0;
    Traza traza_;
    Conductor conductor_{traza_, &vigia_};
    Vigia vigia_;
    Cuenta& cuenta_;
    std::string guion_;
    long lineas_ = 0;
    std::string fallo_;
};

} // namespace quimbel::sim
