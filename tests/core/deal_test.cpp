// The window's load and the deal: leaders, hands, trump and buttons.
#include <gtest/gtest.h>

#include <set>

#include "core/deal.h"
#include "core/texts.h"
#include "support/headless_table.h"

using namespace quimbel;

namespace {

// A source that always draws the same number.
struct AzarFijo : FuenteAzar {
    explicit AzarFijo(double r) : r(r) {}
    void resembrar() override {}
    double aleatorio() override { return r; }
    double r;
};

void comprobar_reparto(const Mesa& m) {
    std::set<int> todos;
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        for (int i = 1; i <= 10; ++i) {
            const Imagen& imagen = m.manos[asiento][i];
            ASSERT_TRUE(imagen.visible);
            ASSERT_GE(imagen.tag, 1);
            ASSERT_LE(imagen.tag, 40);
            EXPECT_EQ(naipe_codigo(imagen.dibujo), imagen.tag) << "picture and Tag travel together";
            todos.insert(imagen.tag);
            int palo = palo_de_codigo(imagen.tag);
            EXPECT_EQ(m.palos[asiento][i], palo);
            for (int p = oros; p <= bastos; ++p)
                EXPECT_EQ(m.cartas[asiento][p][i], p == palo ? imagen.tag : 0);
            if (asiento != yo) {
                EXPECT_TRUE(m.tapas[asiento][i].visible);
                EXPECT_EQ(m.tapas[asiento][i].dibujo, dibujo_dorso);
            }
        }
    }
    EXPECT_EQ(todos.size(), 40u);
}

} // namespace

TEST(FormLoad, TheDrawPicksTheFirstLeaderAndTheFirstDealStartsWithIt) {
    struct Caso { double r; int lider; const char* marcador_caption; };
    // r * 5 + 1: 0.0 draws 1, 0.9 draws 5 (the human, as for 4).
    for (Caso c : {Caso{0.0, derecha, "Sale:DERECHA"}, Caso{0.25, arriba, "Sale:ARRIBA"},
                   Caso{0.5, izquierda, "Sale:IZQUIERDO"}, Caso{0.7, yo, "Salgo YO"},
                   Caso{0.9, yo, "Salgo YO"}}) {
        PlataformaSinPantalla plataforma;
        AzarFijo primero(c.r);
        Mesa m(plataforma, primero);
        Form_Load(m);
        EXPECT_EQ(m.quien_sale, c.lider);
        EXPECT_EQ(m.turno_mano, c.lider - 1);
        EXPECT_EQ(m.tanteo_nosotros.caption, "0");
        EXPECT_EQ(m.juegos_ellos.caption, "0");
        EXPECT_FALSE(m.pinta.visible);
        EXPECT_EQ(plataforma.pausas_cortas, 1);

        AzarGuionado baraja(7);
        m.azar = &baraja;
        barajar_Click(m);
        EXPECT_EQ(m.quien_sale, c.lider);
        EXPECT_EQ(m.jugando.caption, c.marcador_caption);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(m.mano_marcador[k], k == c.lider);
    }
}

TEST(Barajar, FiveDealsRotateTheLeaderAndEachDealsFullHands) {
    prueba::MesaDePrueba t(3);
    Form_Load(t.m);
    int primero = t.m.quien_sale;
    for (int n = 0; n < 5; ++n) {
        t.plataforma.pausas_cortas = 0;
        barajar_Click(t.m);
        int esperado = (primero - 1 + n) % 4 + 1;
        EXPECT_EQ(t.m.quien_sale, esperado);
        EXPECT_EQ(t.m.turno_mano, esperado);
        int marcadores = 0;
        for (int k = 1; k <= 4; ++k) marcadores += t.m.mano_marcador[k];
        EXPECT_EQ(marcadores, 1);
        EXPECT_EQ(t.plataforma.pausas_cortas, 40) << "one short pause before each card";
        comprobar_reparto(t.m);
    }
}

TEST(Barajar, TheDealersTenthCardIsTurnedUpAsTrump) {
    // The dealer is the seat before the leader.
    const int repartidor[5] = {0, yo, derecha, arriba, izquierda};
    prueba::MesaDePrueba t(11);
    Form_Load(t.m);
    for (int n = 0; n < 4; ++n) {
        barajar_Click(t.m);
        const Imagen& decima = t.m.manos[repartidor[t.m.quien_sale]][10];
        EXPECT_EQ(t.m.pinta.tag, decima.tag);
        EXPECT_EQ(t.m.pinta.dibujo, decima.dibujo);
        EXPECT_TRUE(decima.visible) << "the trump stays in the dealer's hand";
        EXPECT_EQ(t.m.la_pinta, palo_de_codigo(decima.tag));
        EXPECT_TRUE(t.m.pinta.visible && t.m.shape4_visible && t.m.label2_visible);
    }
}

TEST(Barajar, LeavesOnlyAgruparToPressAndResetsTheDeal) {
    prueba::MesaDePrueba t(5);
    Form_Load(t.m);
    t.m.barajar.caption = std::string(texto::nueva_partida);
    t.m.tanteo_nosotros.caption = "77";
    t.m.juegos_nosotros.caption = "3";
    t.m.cantado[arriba][copas] = 1;
    t.m.salidas[oros] = 4;
    t.m.tute_cantado = SiNo::si;
    barajar_Click(t.m);

    EXPECT_EQ(t.m.barajar.caption, "Barajar y Repartir");
    EXPECT_FALSE(t.m.barajar.enabled);
    EXPECT_FALSE(t.m.jugando.enabled);
    EXPECT_FALSE(t.m.recoger.enabled);
    EXPECT_TRUE(t.m.ordenamelas.visible && t.m.ordenamelas.enabled);
    EXPECT_EQ(t.m.tanteo_nosotros.caption, "0");
    EXPECT_EQ(t.m.juegos_nosotros.caption, "3") << "games are not touched by a deal";
    EXPECT_EQ(t.m.cantado[arriba][copas], 0);
    EXPECT_EQ(t.m.salidas[oros], 0);
    EXPECT_EQ(t.m.tute_cantado, SiNo::no);
    EXPECT_EQ(t.m.baza_numero, 1);
}

TEST(Barajar, TheTrumpSuitFollowsTheTrumpCode) {
    prueba::MesaDePrueba t;
    struct Caso { int codigo; const char* palo; };
    for (Caso c : {Caso{10, "oros"}, {11, "copas"}, {30, "espadas"}, {31, "bastos"}}) {
        // Lay the trump in the dealer's tenth slot and deal no more: repartir
        // only reads it back after the forty cards.
        t.m.quien_sale = derecha;
        for (int p = 1; p <= 40; ++p) t.m.baraja[p] = p;
        // Deck position 40 goes to the dealer (yo) slot 10.
        t.m.baraja[40] = naipe_de_codigo(c.codigo);
        t.m.baraja[naipe_de_codigo(c.codigo)] = 40;
        repartir(t.m);
        EXPECT_EQ(t.m.pinta.tag, c.codigo);
        EXPECT_EQ(nombre_palo(t.m.la_pinta), c.palo);
    }
}

// The first deal of seed 1 (load, then barajar), pinned: any change to the
// draws, the shuffle or the dealing order shows here.
TEST(Barajar, GoldenFirstDealOfSeedOne) {
    prueba::MesaDePrueba t(1);
    Form_Load(t.m);
    barajar_Click(t.m);
    const int esperado[5][10] = {
        {},
        {16, 11, 17, 39, 18, 38, 25, 19, 36, 6},
        {40, 31, 21, 26, 3, 22, 33, 35, 10, 13},
        {28, 34, 15, 5, 9, 1, 14, 8, 4, 29},
        {37, 30, 23, 24, 2, 27, 20, 32, 12, 7},
    };
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(t.m.manos[asiento][i].tag, esperado[asiento][i - 1]) << asiento << "/" << i;
    EXPECT_EQ(t.m.quien_sale, izquierda);
    EXPECT_EQ(t.m.pinta.tag, 13);
}
