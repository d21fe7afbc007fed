// AGRUPAR: the human's hand regrouped by suit, oros first, deal order kept
// inside each suit. (Pictures, Tags and palos_yo are checked on whole deals.)
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "handlers/controls.h"
#include "support/headless_table.h"

using namespace quimbel;

TEST(Agrupar, GroupsBySuitKeepingTheDealOrderAndLeavesTheArraysAlone) {
    struct Caso {
        std::initializer_list<int> repartida;
        std::vector<int> agrupada;
    };
    const Caso casos[] = {
        {{13, 10, 38, 1, 19, 26, 7, 40, 21, 18}, {10, 1, 7, 13, 19, 18, 26, 21, 38, 40}},
        {{31, 2, 35, 29, 9, 22, 33, 4, 21, 40}, {2, 9, 4, 29, 22, 21, 31, 35, 33, 40}}, // no copas
    };
    for (const Caso& c : casos) {
        prueba::MesaDePrueba t;
        Mesa& m = t.m;
        prueba::dar_mano(m, yo, c.repartida);
        m.ordenamelas.visible = true;
        m.jugando.enabled = false;
        int arrays_antes[5][11];
        std::memcpy(arrays_antes, m.cartas[yo], sizeof arrays_antes);

        ASSERT_TRUE(pulsar(m, Control::ordenamelas));
        std::vector<int> codigos;
        for (int i = 1; i <= 10; ++i) codigos.push_back(m.manos[yo][i].tag);
        EXPECT_EQ(codigos, c.agrupada);
        EXPECT_EQ(std::memcmp(arrays_antes, m.cartas[yo], sizeof arrays_antes), 0)
            << "the suit arrays are not rewritten: from now on they are a set of codes";
        EXPECT_TRUE(m.jugando.activo());
        EXPECT_FALSE(pulsar(m, Control::ordenamelas)) << "once per deal";
    }
}
