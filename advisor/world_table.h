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
    long hojas = 0;      // presses of a leader's draws searched, for the work done
    int fin_partida = 0; // +1 our team won the match, -1 it lost, 0 not ended
};

// The draws of a replay as version 1.0 of the hint tried them: the first
// draw, then all the others, fixed, from a grid of values. It cannot give
// every sequence a leader may draw; kept for `Busqueda::muestreo`.
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

// The draws of a replay, walked exactly. While a computer leader chooses its
// card, each draw takes the outcome the search has fixed for it, or, past
// those, outcome 1, and its range is noted: a depth-first search then tries
// every sequence of outcomes the chain can draw, in the order it draws them.
// Once the leader's card is down, the draws that follow are the followers'
// (izquierda draws on every low-card lookup, but only its lead reads the
// draw): they choose nothing and are answered 1 without branching. So is
// izquierda's draw of three when it leads holding no As: that draw only
// decides whether it may lead one.
class AzarEnumerado final : public FuenteAzar {
  public:
    static constexpr int max_tiradas = 24;

    // Outcomes fixed for the first `n` draws of the next press; the leader's
    // card is the one put down at record position `inicio`.
    void empezar(const PlataformaMundo& plataforma, int inicio, bool sin_as_izquierda) {
        plataforma_ = &plataforma;
        inicio_ = inicio;
        sin_as_izquierda_ = sin_as_izquierda;
        usadas_ = 0;
    }
    // No search: every draw answered 1 (the presses where no computer leads).
    void sin_busqueda() { plataforma_ = nullptr; }

    int sortear(int k) override;
    void resembrar() override {}
    double aleatorio() override { return 0.5; }

    // The draws the last press branched on, their outcomes and ranges.
    int usadas() const { return usadas_; }
    int tirada[max_tiradas] = {};
    int rango[max_tiradas] = {};
    int fijadas = 0; // how many of tirada[] the next press takes as given

  private:
    const PlataformaMundo* plataforma_ = nullptr;
    int inicio_ = 0;
    bool sin_as_izquierda_ = false;
    int usadas_ = 0;
};

// The world's deal laid out as barajar and AGRUPAR leave it.
void mesa_del_reparto(Mesa& m, const Conocimiento& k, const Mundo& w);

// How a replay finds the draws of a computer leader.
enum class Inferencia {
    exacta, // every sequence of draws (AzarEnumerado)
    rejilla // version 1.0's grid of draws (AzarFijo), kept or dropped
};

// Replay the deal: every card the record holds, the computer seats' chains
// choosing theirs. Returns the probability that the leaders' draws make the
// chains put down the recorded cards, with the declarations and scores as
// the human saw them (for the grid, 1 when one tried sequence does); 0 when
// no draws do. When it is not 0, m is the world at the human's turn.
double rehacer_reparto(Mesa& m, const Conocimiento& k, const Mundo& w, PlataformaMundo& plataforma,
                       Inferencia inferencia = Inferencia::exacta);

// The world at the human's turn, laid out directly from the record, for a
// world whose chains would not have played as the record says.
void mesa_actual(Mesa& m, const Conocimiento& k, const Mundo& w);

} // namespace quimbel::consejo
