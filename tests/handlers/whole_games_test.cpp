// SPDX-License-Identifier: GPL-3.0-or-later
// Whole matches played through the controls as a user plays them, the human
// playing the first card the obligations accept, every command held to the
// checks the soak uses: each card in one place, the suit arrays matching the
// hands, the buttons in a state of the turn driver, the seats in turn, a
// refused card changing nothing, nothing but SALIR during a pause, every deal
// sharing out 130 plus its declarations, games only growing until 8.
#include <gtest/gtest.h>

#include "core/texts.h"
#include "handlers/play_out.h"
#include "support/checked_table.h"

using namespace quimbel;

TEST(PartidasEnteras, EveryCommandOfAHundredMatchesKeepsTheTableChecks) {
    int repartos = 0, tutes = 0, cantes = 0, rechazos = 0;
    for (std::uint64_t semilla = 1; semilla <= 100; ++semilla) {
        SCOPED_TRACE(::testing::Message() << "seed " << semilla);
        prueba::MesaRevisada t(semilla);
        t.cargar();
        for (int reparto = 1; !t.m.nueva_partida; ++reparto) {
            ASSERT_LE(reparto, 15) << "a match is won in at most 15 deals";
            int bazas = 0;
            const char* fallo = jugar_reparto(t.m, t, bazas);
            ASSERT_EQ(fallo, nullptr) << fallo << " in deal " << reparto;
            ASSERT_FALSE(::testing::Test::HasFailure()) << "deal " << reparto;
            ++repartos;
            tutes += t.m.tute_cantado == SiNo::si;
            cantes += t.revisor.vigia.cantes > 0;
        }
        rechazos += static_cast<int>(t.mensajes.size());
    }
    // The matches met the cases that matter.
    EXPECT_GT(tutes, 0);
    EXPECT_GT(cantes, repartos / 4);
    EXPECT_GT(rechazos, repartos);
}
