// SPDX-License-Identifier: GPL-3.0-or-later
// The real random source never stalls when the clock stands still. (The
// scripted one is pinned by the golden traces.)
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/deal.h"
#include "support/headless_table.h"

using namespace quimbel;

TEST(AzarReloj, AThousandShufflesWithTheClockFrozenAllCompleteAndDiffer) {
    PlataformaSinPantalla plataforma;
    AzarReloj azar([] { return std::uint64_t{1234567}; });
    Mesa m(plataforma, azar);
    std::set<std::vector<int>> barajas;
    for (int n = 0; n < 1000; ++n) {
        barajar_cartas(m);
        std::vector<int> baraja(std::begin(m.baraja) + 1, std::end(m.baraja));
        EXPECT_EQ(std::set<int>(baraja.begin(), baraja.end()).size(), 40u);
        barajas.insert(baraja);
        azar.resembrar();
        const double r = azar.aleatorio();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
    }
    EXPECT_GT(barajas.size(), 990u);
}
