// SPDX-License-Identifier: GPL-3.0-or-later
// Over many scripted deals and random partial tricks: every chain called for
// a seat that holds a card puts down exactly one card of that seat, takes it
// out of the seat's arrays, and leaves the arrays matching the visible hand.
// The cards chosen also keep the rules the chains are built to keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "checks/table_invariants.h"
#include "core/deal.h"
#include "core/hand_slots.h"
#include "players/follow.h"
#include "players/lead.h"
#include "players/seat_play.h"
#include "support/headless_table.h"

using namespace quimbel;

namespace {

bool tiene(Conjunto cartas, int palo) {
    return (cartas & cartas_del_palo(palo)) != 0;
}

bool tiene_alguna(const Mesa& m, int asiento) {
    return m.en_mano[asiento].cartas != 0;
}

// yo, or a computer seat now and then, plays any card of its hand.
void jugar_a_mano(Mesa& m, int asiento, std::mt19937& rng) {
    int slots[cartas_por_mano], n = 0;
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (m.en_mano_en(asiento, i)) slots[n++] = i;
    const int i = slots[rng() % static_cast<unsigned>(n)];
    retirar_carta(m, asiento, i);
    prueba::poner_en_mesa(m, asiento, m.en_hueco[asiento][i]);
}

// What a follow must keep, whatever chain ran: the led suit when held; a trump
// on an untrumped non-trump lead when void and holding one; and on a trumped
// trick a trump that does not beat the table, or an As of another suit, only
// when nothing cheaper is left.
void comprobar_seguir(const Mesa& m, Conjunto antes, int asiento, int jugada) {
    const int salida = m.la_salida, pinta = m.la_pinta;
    if (tiene(antes, salida)) {
        EXPECT_EQ(palo_de_codigo(jugada), salida) << "did not follow suit";
        return;
    }
    int triunfo_mas_alto = 0;
    for (int k = 1; k <= 4; ++k)
        if (k != asiento && m.palo_en(k) == pinta)
            triunfo_mas_alto = std::max(triunfo_mas_alto, m.valor_en(k));
    const bool es_triunfo = palo_de_codigo(jugada) == pinta;
    if (salida == pinta) return;
    if (triunfo_mas_alto == 0) {
        if (tiene(antes, pinta)) {
            EXPECT_TRUE(es_triunfo) << "void, holding a trump, did not trump";
        }
        return;
    }
    bool otra_no_as = false, otra_as = false, triunfo_que_gana = false;
    for (int c : cada_carta(antes)) {
        const int r = rango_de_codigo(c);
        if (palo_de_codigo(c) == pinta)
            triunfo_que_gana |= r > triunfo_mas_alto && r != rango_dos;
        else
            (r == rango_as ? otra_as : otra_no_as) = true;
    }
    if (es_triunfo) {
        EXPECT_TRUE(rango_de_codigo(jugada) > triunfo_mas_alto || (!otra_no_as && !otra_as))
            << "trumped without beating the table while holding another card";
    } else {
        EXPECT_FALSE(triunfo_que_gana) << "did not over-trump though it could";
        if (rango_de_codigo(jugada) == rango_as) {
            EXPECT_FALSE(otra_no_as) << "threw an As before another non-trump card";
        }
    }
}

void jugar_cadena(Mesa& m, int numero, bool lidera) {
    const Asiento asiento{numero};
    Conjunto antes[por_asiento];
    for (int s = derecha; s <= yo; ++s) antes[s] = m.en_mano[s].cartas;
    const int ranura = lidera ? salida(m, *m.azar, asiento).ranura : seguir(m, *m.azar, asiento);
    ASSERT_NE(ranura, 0) << "the chain found no card";
    echar_carta(m, asiento, ranura);

    // One card, of this seat, the one shown: nothing else left any hand.
    const int codigo = m.en_baza[asiento];
    for (int s = derecha; s <= yo; ++s)
        ASSERT_EQ(antes[s] & ~m.en_mano[s].cartas, s == asiento ? una_carta(codigo) : 0)
            << nombre_asiento(asiento) << " played, and " << nombre_asiento(s) << " lost cards";
    EXPECT_TRUE(m.en_mesa[asiento]);
    ASSERT_EQ(revision::revisar_manos(m, {}), "");
    if (!lidera) comprobar_seguir(m, antes[asiento], asiento, codigo);
}

} // namespace

TEST(CadenasAlAzar, EveryChainPutsDownExactlyOneCardOfItsSeat) {
    int cadenas = 0;
    for (std::uint64_t semilla = 1; semilla <= 1000; ++semilla) {
        SCOPED_TRACE(::testing::Message() << "seed " << semilla);
        prueba::MesaDePrueba t(semilla);
        Mesa& m = t.m;
        Form_Load(m);
        barajar_Click(m);
        std::mt19937 rng(static_cast<unsigned>(semilla));
        m.turno_mano = static_cast<int>(rng() % 4) + 1;
        for (int p = oros; p <= bastos; ++p) {
            m.salidas[p] = static_cast<int>(rng() % 3);
            for (int a = 1; a <= 4; ++a) m.cantado[a][p] = rng() % 8 == 0;
        }
        ASSERT_EQ(revision::revisar_manos(m, {}), "");

        for (int ronda = 0; ronda < 60; ++ronda) {
            int con_cartas[4], n = 0;
            for (int a = 1; a <= 4; ++a)
                if (tiene_alguna(m, a)) con_cartas[n++] = a;
            if (n == 0) break;
            prueba::limpiar_mesa(m);
            const int lider = con_cartas[rng() % static_cast<unsigned>(n)];
            m.quien_sale = lider;
            const int cuantos = static_cast<int>(rng() % 4) + 1;
            int asiento = lider;
            for (int j = 0; j < cuantos; ++j, asiento = siguiente_asiento(asiento)) {
                if (!tiene_alguna(m, asiento)) continue;
                if (asiento == yo || rng() % 6 == 0) {
                    jugar_a_mano(m, asiento, rng);
                } else {
                    jugar_cadena(m, asiento, j == 0);
                    ++cadenas;
                }
                if (j == 0) m.la_salida = m.palo_en(lider);
                if (HasFatalFailure()) return;
            }
            if (m.la_salida) ++m.salidas[m.la_salida];
            if (HasFailure()) return;
        }
    }
    EXPECT_GT(cadenas, 20000);
}
