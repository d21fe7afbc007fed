// SPDX-License-Identifier: GPL-3.0-or-later
// One random script for the soak, played through the driver as it is
// written: random clicks among the human's cards (so that many are refused
// and clicked again), presses of controls that cannot act, clicks on played
// slots, a new seed now and then, across match ends. After every command the
// table's invariants are checked.
#pragma once

#include <cstdint>
#include <string>

#include "checks/command_checks.h"
#include "core/random_source.h"
#include "tools/script_driver.h"

namespace quimbel::sim {

// The soak's own choices, apart from the game's draws.
class Dado {
  public:
    explicit Dado(std::uint64_t semilla) : estado_(semilla) {}
    std::uint64_t siguiente() { return splitmix64(estado_); }
    int hasta(int n) { return static_cast<int>(siguiente() % static_cast<std::uint64_t>(n)); }
    bool una_de(int n) { return hasta(n) == 0; }
    // An index into a list of n.
    std::size_t indice(std::size_t n) { return siguiente() % n; }

  private:
    std::uint64_t estado_;
};

// What the scripts of a soak did, for its summary.
struct Cuenta {
    std::uint64_t ordenes = 0, rechazos = 0, ignoradas = 0, repartos = 0, partidas = 0;
};

// One random script, played as it is generated. The table's notices go on
// to the checks.
class Partida final : private Oyente {
  public:
    Partida(std::uint64_t semilla, std::uint64_t repartos, std::string cabecera, Cuenta& cuenta)
        : dado_(semilla), repartos_pedidos_(repartos), revisor_(conductor_.mesa()), cuenta_(cuenta),
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
    using Intencion = revision::Intencion;
    bool orden(const Orden& o, Intencion intencion);
    Orden en_vano();

    void carta_puesta(int asiento, int codigo) override {
        revisor_.vigia.carta_puesta(asiento, codigo);
    }
    void anuncio_mostrado(Anuncio a) override { revisor_.vigia.anuncio_mostrado(a); }
    void mensaje(std::string_view texto) override { revisor_.vigia.mensaje(texto); }
    void pausa() override { revisor_.vigia.pausa(); }

    const Mesa& m() const { return conductor_.mesa(); }

    Dado dado_;
    std::uint64_t repartos_pedidos_;
    std::uint64_t repartos_ = 0;
    Traza traza_;
    Conductor conductor_{traza_, this};
    revision::Revisor revisor_;
    Cuenta& cuenta_;
    std::string guion_;
    long lineas_ = 0;
    std::string fallo_;
};

} // namespace quimbel::sim
