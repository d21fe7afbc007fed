// SPDX-License-Identifier: GPL-3.0-or-later
// The real random source never stalls when the clock stands still; the
// scripted one draws in integers exactly what it drew in doubles. (Its
// numbers are pinned by the golden traces.)
#include <gtest/gtest.h>

#include <algorithm>
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
        int mazo[por_carta] = {};
        barajar_cartas(m, mazo);
        std::vector<int> baraja(std::begin(mazo) + 1, std::end(mazo));
        EXPECT_EQ(std::set<int>(baraja.begin(), baraja.end()).size(), 40u);
        barajas.insert(baraja);
    }
    EXPECT_GT(barajas.size(), 990u);
}

// The scripted draw in integers gives the double arithmetic's number: on
// random draws, and on the draws next to each step from q to q + 1, where the
// double rounds up (that band goes to the double arithmetic itself).
TEST(AzarGuionado, TheDrawInIntegersIsTheDrawInDoubles) {
    constexpr std::uint64_t uno = std::uint64_t{1} << 53;
    const auto en_dobles = [](int k, std::uint64_t z) {
        return de_uno_a(k, static_cast<double>(z) * 0x1.0p-53);
    };
    int redondeos_hacia_arriba = 0; // draws where the double passes q + 1
    const auto comprobar = [&](int k, std::uint64_t z) {
        if (z >= uno) return;
        ASSERT_EQ(de_uno_a_entero(k, z), en_dobles(k, z)) << "k " << k << " z " << z;
        const auto ingenuo = static_cast<int>(z * static_cast<std::uint64_t>(k) / uno) + 1;
        if (k <= 1024 && ingenuo != en_dobles(k, z)) ++redondeos_hacia_arriba;
    };
    for (int k = 1; k <= 1100; ++k) {
        const auto k64 = static_cast<std::uint64_t>(k);
        for (std::uint64_t q = 0; q < k64; q += (k <= 64 ? 1 : k64 / 7 + 1)) {
            // The first z whose z * k reaches (q + 1) * 2^53, and its neighbours,
            // inside the band (2^12 / k below it) and just outside.
            const std::uint64_t paso = ((q + 1) * uno + k64 - 1) / k64;
            const std::uint64_t banda = 4096 / k64;
            for (std::uint64_t d : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{2}, banda,
                                    banda + 1, banda + 2}) {
                if (d <= paso) comprobar(k, paso - d);
                comprobar(k, paso + d);
            }
        }
        comprobar(k, 0);
        comprobar(k, uno - 1);
    }
    std::uint64_t estado = 12345;
    for (int n = 0; n < 1'000'000; ++n) {
        const int k = static_cast<int>(splitmix64(estado) % 1100) + 1;
        comprobar(k, splitmix64(estado) >> 11);
    }
    EXPECT_GT(redondeos_hacia_arriba, 0) << "the band next to each step never rounded up";
}

// The scripted draw skips splitmix64's last step. It must give the full
// draw's number everywhere, and above all next to each step from q to q + 1,
// where the skipped step can carry the product over.
TEST(AzarGuionado, TheShortDrawIsTheFullDraw) {
    for (const int k : {1, 3, 4, 5, 40, 1000, 1024}) {
        const auto completo = [k](std::uint64_t y) {
            return de_uno_a_entero(k, (y ^ (y >> 31)) >> 11);
        };
        const auto k128 = static_cast<unsigned __int128>(k);
        for (int q = 1; q < k; q += k <= 64 ? 1 : 97) {
            // The first y whose y * k reaches q * 2^64, and y around it up to 2^40 away.
            const auto paso = static_cast<std::uint64_t>(
                ((static_cast<unsigned __int128>(q) << 64) + k128 - 1) / k128);
            for (int bit = 0; bit <= 40; ++bit)
                for (std::uint64_t d : {std::uint64_t{1} << bit, (std::uint64_t{1} << bit) - 1}) {
                    ASSERT_EQ(sorteo_de(k, paso + d), completo(paso + d)) << k << " " << paso + d;
                    ASSERT_EQ(sorteo_de(k, paso - d), completo(paso - d)) << k << " " << paso - d;
                }
        }
        std::uint64_t estado = 777;
        for (int n = 0; n < 200'000; ++n) {
            const std::uint64_t y = splitmix64(estado);
            ASSERT_EQ(sorteo_de(k, y), completo(y)) << k << " " << y;
        }
    }
    // And a whole deck and the draws after it are the full draws' own, the
    // deck filled here the plain way: a number already dealt is drawn again.
    struct AzarCompleto final : FuenteAzar {
        std::uint64_t estado;
        void resembrar() override {}
        double aleatorio() override { return a_unidad(splitmix64(estado)); }
        int sortear(int k) override { return de_uno_a_entero(k, splitmix64(estado) >> 11); }
    };
    for (std::uint64_t semilla = 0; semilla < 200; ++semilla) {
        AzarGuionado corto(semilla);
        AzarCompleto largo;
        largo.estado = semilla;
        int con_el_corto[por_carta] = {};
        corto.barajar(con_el_corto);
        std::vector<int> con_el_largo{0}; // position 0 is unused
        while (con_el_largo.size() < por_carta)
            if (const int n = largo.sortear(num_cartas); std::ranges::count(con_el_largo, n) == 0)
                con_el_largo.push_back(n);
        ASSERT_TRUE(std::ranges::equal(con_el_corto, con_el_largo));
        for (const int k : {3, 4, 5}) ASSERT_EQ(sortear(corto, k), largo.sortear(k));
    }
}
