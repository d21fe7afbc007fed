// SPDX-License-Identifier: GPL-3.0-or-later
// The script driver: one table on a platform whose pauses take no time, the
// scripted random source, and a trace of what a person at the table would
// have seen. Every press and click goes through the table's controls, so a
// control that cannot act is reported as ignored and nothing runs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "checks/command_checks.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "core/table.h"
#include "tools/script.h"
#include "tools/trace.h"

namespace quimbel::sim {

// Hears the table's notices besides the trace (the soak's checks listen here).
class Oyente {
  public:
    virtual ~Oyente() = default;
    virtual void carta_puesta(int /*asiento*/, int /*codigo*/) {}
    virtual void anuncio_mostrado(Anuncio) {}
    virtual void mensaje(std::string_view) {}
    // A pause of a handler run by a press or a click (the load's is left out).
    virtual void pausa() {}
};

// What a command did: ran its handler, was ignored, or ended the program.
using revision::Resultado;

class Conductor final : private Plataforma {
  public:
    explicit Conductor(Traza& traza, Oyente* oyente = nullptr);

    // What is wrong with running this command now (a second load, a press or a
    // click before the load); empty when it may run.
    std::string error_de(const Orden& orden) const;
    // Runs a command that error_de accepted and writes its lines.
    Resultado ejecutar(const Orden& orden);

    const Mesa& mesa() const { return mesa_; }
    bool cargada() const { return cargada_; }

  private:
    void pausa_corta() override { en_pausa(); }
    void pausa_larga() override { en_pausa(); }
    void en_pausa() {
        if (oyente_ && !cargando_) oyente_->pausa();
    }
    void pitido() override {}
    void mensaje(std::string_view texto) override;
    void terminar() override { terminado_ = true; }
    void carta_puesta(int asiento, int codigo) override;
    void anuncio_mostrado(Anuncio a) override;
    void baza_evaluada(int asiento, Equipo equipo) override { traza_.baza(asiento, equipo); }

    Traza& traza_;
    Oyente* oyente_;
    AzarGuionado azar_{0};
    Mesa mesa_;
    bool cargada_ = false;
    bool cargando_ = false;
    bool terminado_ = false;
};

// A whole script, line by line. `leer` gives the next line (false at the
// end); `volcar` is called after each command so that the caller can pass
// the trace on. The status is 0 (the end, or quit) or 2 (an error, whose
// text "error line L: WHAT" is left in `error`).
struct FinGuion {
    int estado = 0;
    std::string error;
};
FinGuion correr_guion(const std::function<bool(std::string&)>& leer, Traza& traza,
                      const std::function<void()>& volcar);
// The same over a script held in a string.
FinGuion correr_guion(std::string_view guion, Traza& traza);

} // namespace quimbel::sim
