// The card model: the codes behind the pictures and the split of a code.
#include <gtest/gtest.h>

#include <set>

#include "core/deal.h"
#include "support/headless_table.h"

using namespace quimbel;

TEST(Naipes, EveryPictureCarriesTheCodeOfItsFace) {
    prueba::MesaDePrueba t;
    // Inside a suit's block the faces run As, Dos, Tres ... Rey.
    const int rango_esperado[10] = {10, 1, 9, 2, 3, 4, 5, 6, 7, 8};
    std::set<int> codigos;
    for (int p = 1; p <= 40; ++p) {
        int palo = (p - 1) / 10 + 1;
        EXPECT_EQ(t.m.naipes[p].tag, 10 * (palo - 1) + rango_esperado[(p - 1) % 10]) << p;
        EXPECT_EQ(t.m.naipes[p].dibujo, p);
        EXPECT_EQ(naipe_de_codigo(t.m.naipes[p].tag), p);
        codigos.insert(t.m.naipes[p].tag);
    }
    EXPECT_EQ(codigos.size(), 40u);
    EXPECT_EQ(t.m.naipes[1].tag, 10);
    EXPECT_EQ(t.m.naipes[3].tag, 9);
    EXPECT_EQ(t.m.naipes[10].tag, 8);
    EXPECT_EQ(t.m.naipes[11].tag, 20);
}

TEST(Naipes, SepararCartaSplitsAtTheSuitBoundaries) {
    prueba::MesaDePrueba t;
    struct Caso { int codigo, rango; const char* palo; };
    for (Caso c : {Caso{1, 1, "oros"}, {10, 10, "oros"}, {11, 1, "copas"}, {20, 10, "copas"},
                   {21, 1, "espadas"}, {30, 10, "espadas"}, {31, 1, "bastos"}, {40, 10, "bastos"}}) {
        t.m.valor_carta = c.codigo;
        separar_carta(t.m);
        EXPECT_EQ(t.m.valor_carta, c.rango) << c.codigo;
        EXPECT_EQ(nombre_palo(t.m.palo_carta), c.palo) << c.codigo;
    }
}

TEST(Naipes, NamesReadAsASpanishPlayerSaysThem) {
    EXPECT_EQ(nombre_carta(10), "As de oros");
    EXPECT_EQ(nombre_carta(17), "Caballo de copas");
    EXPECT_EQ(nombre_carta(28), "Rey de espadas");
    EXPECT_EQ(nombre_carta(31), "Dos de bastos");
    EXPECT_EQ(naipe_numero(naipe_de_codigo(36)), 10); // the Sota is number 10
}

TEST(Captions, NumbersReadBackByValueAndTextReadsAsZero) {
    EXPECT_EQ(valor_numerico("0"), 0);
    EXPECT_EQ(valor_numerico("130"), 130);
    EXPECT_EQ(valor_numerico(""), 0);
    EXPECT_EQ(valor_numerico(" "), 0);
    EXPECT_EQ(valor_numerico("NUEVA"), 0);
}
