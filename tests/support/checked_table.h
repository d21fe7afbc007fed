// SPDX-License-Identifier: GPL-3.0-or-later
// A headless table whose every command is checked by the table checks, as
// the soak checks its scripts: the platform passes the table's notices on to
// the checks, and each press or click is held against what it may do. It is
// also a hand for handlers/play_out.h, so whole deals can be played checked.
#pragma once

#include <gtest/gtest.h>

#include "checks/command_checks.h"
#include "core/deal.h"
#include "core/headless_platform.h"
#include "core/obligations.h"
#include "core/random_source.h"

namespace quimbel::prueba {

class MesaRevisada final : public PlataformaSinPantalla {
  public:
    explicit MesaRevisada(std::uint64_t semilla = 0) : azar(semilla), m(*this, azar) {}

    void cargar() {
        revisor.antes();
        cargando_ = true;
        Form_Load(m);
        cargando_ = false;
        revisar({}, true);
    }
    // Each command must act; what went wrong is added as a test failure.
    bool operator()(Control c) {
        revisor.antes();
        return revisar({revision::Accion::pulsacion, c, 0}, pulsar(m, c));
    }
    // Every card the rules refuse is clicked first, and each refusal checked.
    bool operator()(int ranura) {
        const Conjunto aceptadas = cartas_aceptadas(m);
        for (int i = 1; i <= cartas_por_mano; ++i)
            if (puede_carta(m, i) && !contiene(aceptadas, m.en_hueco[yo][i])) clic(i);
        return clic(ranura);
    }

    AzarGuionado azar;
    Mesa m;
    revision::Revisor revisor{m};

  private:
    bool clic(int ranura) {
        revisor.antes();
        return revisar({revision::Accion::clic, Control::barajar, ranura}, pulsar_carta(m, ranura));
    }
    bool revisar(const revision::Accion& a, bool hecho) {
        using revision::Resultado;
        const std::string fallo = revisor.despues(a, revision::Intencion::avanzar,
                                                  hecho ? Resultado::hecho : Resultado::ignorado);
        EXPECT_EQ(fallo, "");
        return hecho && fallo.empty();
    }
    // The load's pause comes before any control is set up.
    void pausa_corta() override {
        PlataformaSinPantalla::pausa_corta();
        if (!cargando_) revisor.vigia.pausa();
    }
    void pausa_larga() override {
        PlataformaSinPantalla::pausa_larga();
        revisor.vigia.pausa();
    }
    void mensaje(std::string_view texto) override {
        PlataformaSinPantalla::mensaje(texto);
        revisor.vigia.mensaje(texto);
    }
    void carta_puesta(int asiento, int codigo) override {
        revisor.vigia.carta_puesta(asiento, codigo);
    }
    void anuncio_mostrado(Anuncio a) override { revisor.vigia.anuncio_mostrado(a); }

    bool cargando_ = false;
};

} // namespace quimbel::prueba
