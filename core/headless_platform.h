// SPDX-License-Identifier: GPL-3.0-or-later
// A platform without a screen: pauses take no time, messages are recorded.
// Tests and quimbel-sim use it; a test may hook the pauses to act during them,
// as a user's click would during a real pause.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/platform.h"

namespace quimbel {

class PlataformaSinPantalla : public Plataforma {
  public:
    void pausa_corta() override {
        ++pausas_cortas;
        if (durante_pausa_corta) durante_pausa_corta();
    }
    void pausa_larga() override {
        ++pausas_largas;
        if (durante_pausa_larga) durante_pausa_larga();
    }
    void pitido() override { ++pitidos; }
    void mensaje(std::string_view texto) override { mensajes.emplace_back(texto); }
    void terminar() override { terminado = true; }

    int pausas_cortas = 0;
    int pausas_largas = 0;
    int pitidos = 0;
    bool terminado = false;
    std::vector<std::string> mensajes;
    std::function<void()> durante_pausa_corta;
    std::function<void()> durante_pausa_larga;
};

} // namespace quimbel
