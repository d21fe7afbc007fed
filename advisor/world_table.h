// SPDX-License-Identifier: GPL-3.0-or-later
// A world as a table the engine can play: the deal of a world laid out at its
// start and replayed card by card against what the human saw, or laid out
// directly as it stands at the human's turn.
#pragma once

#include "advisor/hidden_cards.h"
#include "advisor/knowledge.h"
#include "core/platform.h"
#include "core/random_source.h"
#include "core/table.h"

namespace quimbel::consejo {

// Pauses take no time and messages go nowhere. While a deal is replayed, each
// card put down is compared with the record; while one is played out, the
// match banners are noted.
class PlataformaMundo final : public PlataformaMuda {
  public:
    void carta_puesta(int asiento, int codigo) override;
    void anuncio_mostrado(Anuncio a) override;

    void esperar(const RegistroPublico* registro, int desde) {
        esperadas = registro;
        cursor = desde;
        desvio = false;
    }

    const RegistroPublico* esperadas = nullptr;
    int cursor = 0;
    bool desvio = false; // a card put down is not the one the record holds
    int fin_partida = 0; // +1 our team won the match, -1 it lost, 0 not ended
};

// The draws of a replay: the first draw, then all the others, fixed. A
// computer leader's only draw that matters is its first (the "Salir x MALA"
// suit); izquierda's later ones decide whether it leads an As.
class AzarFijo final : public FuenteAzar {
  public:
    void fijar(double primero, double resto) {
        primero_ = primero;
        resto_ = resto;
        usado_ = false;
    }
    void resembrar() override {}
    double aleatorio() override {
        if (usado_) return resto_;
        usado_ = true;
        return primero_;
    }

  private:
    double primero_ = 0.5, resto_ = 0.5;
    bool usado_ = false;
};

// The world's deal laid out as barajar and AGRUPAR leave it.
void mesa_del_reparto(Mesa& m, const Conocimiento& k, const Mundo& w);

// Replay the deal: every card the record holds, the computer seats' chains
// choosing theirs (a leader's draws tried in turn). True when each chain put
// down the recorded card, and the declarations and scores came out as the
// human saw them; m is then the world at the human's turn.
bool rehacer_reparto(Mesa& m, const Conocimiento& k, const Mundo& w, PlataformaMundo& plataforma,
                     AzarFijo& azar);

// The world at the human's turn, laid out directly from the record, for a
// world whose chains would not have played as the record says.
void mesa_actual(Mesa& m, const Conocimiento& k, const Mundo& w);

} // namespace quimbel::consejo
