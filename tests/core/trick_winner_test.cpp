// SPDX-License-Identifier: GPL-3.0-or-later
// Who wins a trick, complete or in progress, against a plain statement of the
// rule: the highest trump, else the highest card of the suit led.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "core/picture.h"
#include "core/trick_winner.h"
#include "support/headless_table.h"

using namespace quimbel;
using prueba::poner_en_mesa;

namespace {

int ganador_esperado(const Mesa& m) {
    int mejor = 0;
    for (int palo : {palo_de_codigo(dibujar(m).pinta.tag), m.palo_en(m.quien_sale)}) {
        for (int k = 1; k <= 4; ++k)
            if (m.palo_en(k) == palo && (mejor == 0 || m.valor_en(k) > m.valor_en(mejor)))
                mejor = k;
        if (mejor) return mejor;
    }
    return mejor;
}

} // namespace

// Every arrangement the game can meet: any leader, one to four cards down in
// the order of play, any trump card.
TEST(Baza, AgreesWithTheRuleOnTwentyThousandRandomTricks) {
    prueba::MesaDePrueba t;
    Mesa& m = t.m;
    std::mt19937 gen(42);
    std::vector<int> mazo(40);
    for (int n = 0; n < 20000; ++n) {
        prueba::limpiar_mesa(m);
        std::iota(mazo.begin(), mazo.end(), 1);
        std::shuffle(mazo.begin(), mazo.end(), gen);
        m.carta_de_pinta = static_cast<unsigned char>(mazo[0]);
        m.quien_sale = 1 + gen() % 4;
        const std::size_t jugadas = 1 + gen() % 4;
        int asiento = m.quien_sale;
        for (std::size_t j = 1; j <= jugadas; ++j) {
            poner_en_mesa(m, asiento, mazo[j]);
            asiento = siguiente_asiento(asiento);
        }
        const int esperado = ganador_esperado(m);
        const Ganador g = ganador_baza(m);
        ASSERT_EQ(g.asiento, esperado) << "trick " << n;
        ASSERT_EQ(g.equipo, equipo_de(esperado));
    }
}
