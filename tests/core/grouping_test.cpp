// AGRUPAR: the human's hand regrouped by suit, oros first, deal order kept
// inside each suit.
#include <gtest/gtest.h>

#include <vector>

#include "core/controls.h"
#include "support/headless_table.h"

using namespace quimbel;

namespace {

std::vector<int> codigos_yo(const Mesa& m) {
    std::vector<int> codigos;
    for (int i = 1; i <= 10; ++i) codigos.push_back(m.manos[yo][i].tag);
    return codigos;
}

// A hand just dealt: AGRUPAR shown, La Mano not yet usable.
void recien_repartida(Mesa& m, std::initializer_list<int> mano) {
    prueba::dar_mano(m, yo, mano);
    m.ordenamelas.visible = true;
    m.jugando.enabled = false;
}

} // namespace

TEST(Agrupar, GroupsBySuitKeepingTheDealOrderInsideEachSuit) {
    prueba::MesaDePrueba t;
    Mesa& m = t.m;
    // Cinco copas, As oros, Rey bastos, Dos oros, Tres copas, Sota espadas,
    // Caballo oros, As bastos, Dos espadas, Rey copas.
    recien_repartida(m, {13, 10, 38, 1, 19, 26, 7, 40, 21, 18});
    int arrays_antes[5][11];
    for (int palo = oros; palo <= bastos; ++palo)
        for (int i = 1; i <= 10; ++i) arrays_antes[palo][i] = m.cartas[yo][palo][i];

    ASSERT_TRUE(pulsar(m, Control::ordenamelas));

    EXPECT_EQ(codigos_yo(m), (std::vector<int>{10, 1, 7, 13, 19, 18, 26, 21, 38, 40}));
    for (int i = 1; i <= 10; ++i) {
        const Imagen& carta = m.manos[yo][i];
        EXPECT_EQ(naipe_codigo(carta.dibujo), carta.tag) << "picture and Tag of slot " << i;
        EXPECT_EQ(m.palos[yo][i], palo_de_codigo(carta.tag));
        EXPECT_TRUE(carta.visible);
        EXPECT_FALSE(carta.enabled) << "grouping does not make the cards clickable";
    }
    // The suit arrays are not rewritten: they are only a set of codes now.
    for (int palo = oros; palo <= bastos; ++palo)
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(m.cartas[yo][palo][i], arrays_antes[palo][i]);

    EXPECT_FALSE(m.ordenamelas.visible);
    EXPECT_TRUE(m.jugando.activo());
    EXPECT_FALSE(pulsar(m, Control::ordenamelas)) << "once per deal";
}

TEST(Agrupar, AMissingSuitIsSkippedAndAllTenImagesAreRefilled) {
    prueba::MesaDePrueba t;
    Mesa& m = t.m;
    // No copas; bastos dealt first.
    recien_repartida(m, {31, 2, 35, 29, 9, 22, 33, 4, 21, 40});
    pulsar(m, Control::ordenamelas);
    EXPECT_EQ(codigos_yo(m), (std::vector<int>{2, 9, 4, 29, 22, 21, 31, 35, 33, 40}));
}
