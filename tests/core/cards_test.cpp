// The card model: the codes behind the pictures and the split of a code.
#include <gtest/gtest.h>

#include <set>

#include "core/deal.h"
#include "support/headless_table.h"

using namespace quimbel;

TEST(Naipes, EveryPictureCarriesTheCodeOfItsFaceAndSepararCartaSplitsIt) {
    prueba::MesaDePrueba t;
    // Inside a suit's block the faces run As, Dos, Tres, Cuatro ... Rey.
    const int rango[10] = {10, 1, 9, 2, 3, 4, 5, 6, 7, 8};
    std::set<int> codigos;
    for (int p = 1; p <= 40; ++p) {
        const int palo = (p - 1) / 10 + 1, codigo = 10 * (palo - 1) + rango[(p - 1) % 10];
        EXPECT_EQ(t.m.naipes[p].tag, codigo) << p;
        EXPECT_EQ(t.m.naipes[p].dibujo, p);
        EXPECT_EQ(naipe_de_codigo(codigo), p);
        codigos.insert(t.m.naipes[p].tag);
        t.m.valor_carta = codigo;
        separar_carta(t.m);
        EXPECT_EQ(t.m.valor_carta, rango[(p - 1) % 10]) << codigo;
        EXPECT_EQ(t.m.palo_carta, palo) << codigo;
    }
    EXPECT_EQ(codigos.size(), 40u);
    EXPECT_EQ(nombre_carta(10), "As de oros");
    EXPECT_EQ(nombre_carta(36), "Sota de bastos");
}
