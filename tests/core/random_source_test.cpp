// The random sources: the scripted one replays exactly, the real one never
// stalls when the clock stands still.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/deal.h"
#include "support/headless_table.h"

using namespace quimbel;

TEST(AzarGuionado, GivesTheSplitmixCheckValuesOfSeedZero) {
    std::uint64_t s = 0;
    EXPECT_EQ(splitmix64(s), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(splitmix64(s), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(splitmix64(s), 0x06C45D188009454FULL);
    AzarGuionado azar(0);
    azar.resembrar(); // does nothing under the scripted source
    EXPECT_EQ(azar.aleatorio(), static_cast<double>(0xE220A8397B1DCDAFULL >> 11) * 0x1.0p-53);
}

TEST(AzarReloj, AThousandShufflesWithTheClockFrozenAllCompleteAndDiffer) {
    PlataformaSinPantalla plataforma;
    AzarReloj azar([] { return std::uint64_t{1234567}; });
    Mesa m(plataforma, azar);
    std::set<std::vector<int>> barajas;
    for (int n = 0; n < 1000; ++n) {
        barajar_cartas(m);
        std::vector<int> baraja(m.baraja.begin() + 1, m.baraja.end());
        EXPECT_EQ(std::set<int>(baraja.begin(), baraja.end()).size(), 40u);
        barajas.insert(baraja);
        azar.resembrar();
        const double r = azar.aleatorio();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
    }
    EXPECT_GT(barajas.size(), 990u);
}
