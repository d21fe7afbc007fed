// Collecting a finished trick with the recoger button: the winner is named and
// leads next, and the right button is offered afterwards.
#include <gtest/gtest.h>

#include "core/controls.h"
#include "core/texts.h"
#include "support/headless_table.h"
#include "support/recording_table.h"

using namespace quimbel;
using prueba::dar_mano;
using prueba::nombres;
using Nombres = std::vector<std::string>;

namespace {

struct Recoger : ::testing::Test {
    prueba::MesaQueAnota t;
    Mesa& m = t.m;

    void SetUp() override {
        prueba::vaciar_manos(m);
        prueba::poner_pinta(m, codigo_de(espadas, rango_dos));
        for (Etiqueta* e :
             {&m.tanteo_nosotros, &m.tanteo_ellos, &m.juegos_nosotros, &m.juegos_ellos})
            e->caption = "0";
        // A trick complete on the table: only recoger (and SALIR) can act.
        m.barajar.enabled = false;
        m.jugando.enabled = false;
        m.recoger.enabled = true;
        m.baza_numero = 4;
        dar_mano(m, yo, {1, 2, 3});
        // The human has played: his hand is locked until the next trick.
        for (int i = 1; i <= 10; ++i) m.manos[yo][i].enabled = false;
    }

    // derecha leads copas; `ganador` plays the As, the others low copas.
    void baza_de(int ganador) {
        m.quien_sale = derecha;
        int bajas[] = {11, 12, 13};
        int n = 0;
        for (int k = 1; k <= 4; ++k) prueba::poner_en_mesa(m, k, k == ganador ? 20 : bajas[n++]);
    }
};

} // namespace

TEST_F(Recoger, TheWinnerIsNamedAndLeadsTheNextTrick) {
    struct Caso {
        int ganador;
        std::string_view caption;
        const char* equipo;
        const char* label7;
    };
    for (Caso c : {Caso{derecha, texto::sale_derecha, "ellos", "1"},
                   Caso{arriba, texto::sale_arriba, "nosotros", "2"},
                   Caso{izquierda, texto::sale_izquierda, "ellos", "3"},
                   Caso{yo, texto::salgo_yo, "nosotros", "4"}}) {
        SetUp();
        t.plataforma.bazas.clear();
        baza_de(c.ganador);
        ASSERT_TRUE(pulsar(m, Control::recoger));
        ASSERT_EQ(t.plataforma.bazas.size(), 1u);
        EXPECT_EQ(t.plataforma.bazas[0].asiento, c.ganador);
        EXPECT_EQ(texto_equipo(t.plataforma.bazas[0].equipo), c.equipo);
        EXPECT_EQ(m.jugando.caption, c.caption);
        EXPECT_EQ(m.quien_sale, c.ganador);
        EXPECT_EQ(m.Label4.caption, c.equipo);
        EXPECT_EQ(m.label7.caption, c.label7);
        EXPECT_EQ(m.baza_numero, 5);
        // The As de copas scored 11 for the winner's team.
        EXPECT_EQ(c.ganador % 2 ? m.tanteo_ellos.caption : m.tanteo_nosotros.caption, "11");
        // The table is cleared but the trick table keeps the trick until the next lead.
        for (int k = 1; k <= 4; ++k) {
            EXPECT_FALSE(m.centro[k].visible);
            EXPECT_NE(m.tag[k], 0);
        }
        EXPECT_TRUE(m.jugando.activo());
        EXPECT_FALSE(m.recoger.enabled);
        EXPECT_FALSE(m.barajar.enabled);
    }
}

TEST_F(Recoger, TheTenthTrickEndsTheDeal) {
    m.baza_numero = 10;
    dar_mano(m, yo, {});
    baza_de(arriba);
    ASSERT_TRUE(pulsar(m, Control::recoger));
    EXPECT_EQ(m.baza_numero, 11);
    EXPECT_EQ(m.tanteo_nosotros.caption, "21"); // the As and the last trick's 10
    EXPECT_EQ(nombres(t.plataforma.anuncios), Nombres{"ganjuego"});
    EXPECT_EQ(m.juegos_nosotros.caption, "1");
    EXPECT_TRUE(m.barajar.activo());
    EXPECT_FALSE(m.jugando.enabled);
    EXPECT_EQ(m.jugando.caption, texto::sale_arriba);
}

TEST_F(Recoger, ATuteEndsTheDealAtAnyTrick) {
    dar_mano(m, derecha, {8, 18, 28, 38, 4});
    baza_de(izquierda);
    ASSERT_TRUE(pulsar(m, Control::recoger));
    EXPECT_EQ(nombres(t.plataforma.anuncios), Nombres{"detuterey"});
    EXPECT_EQ(m.baza_numero, 5);
    EXPECT_TRUE(m.barajar.activo());
    EXPECT_FALSE(m.jugando.enabled);
    EXPECT_EQ(m.juegos_ellos.caption, "2");
}

// A tute that ends the match shows two pictures, each for a long pause. A deal
// started during either would be corrupted by the rest of the collection, so
// every control is pressed during both, as an impatient user would.
TEST_F(Recoger, PressesDuringTheBannersOfATuteThatEndsTheMatchDoNothing) {
    dar_mano(m, arriba, {7, 17, 27, 37, 5, 6});
    escribir_numero(m.juegos_nosotros, 7);
    baza_de(yo);
    int pausas = 0;
    t.plataforma.durante_pausa_larga = [&] {
        ++pausas;
        // The trick was evaluated before anything was shown.
        EXPECT_EQ(t.plataforma.bazas.size(), 1u);
        for (Control c :
             {Control::barajar, Control::jugando, Control::recoger, Control::ordenamelas})
            EXPECT_FALSE(pulsar(m, c)) << "pause " << pausas << ", control " << int(c);
        for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(m, i));
    };
    ASSERT_TRUE(pulsar(m, Control::recoger));
    EXPECT_EQ(pausas, 2);
    EXPECT_EQ(nombres(t.plataforma.anuncios), (Nombres{"artutecab", "ganpartida"}));

    // The deal that ended stays as the collection left it.
    EXPECT_EQ(m.tute_cantado, SiNo::si);
    EXPECT_EQ(m.quien_sale, yo);
    EXPECT_EQ(m.baza_numero, 5);
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(m.tapas[arriba][i].visible);
    EXPECT_EQ(m.juegos_nosotros.caption, "0");
    EXPECT_EQ(m.barajar.caption, texto::nueva_partida);
    EXPECT_TRUE(m.barajar.activo());
    EXPECT_FALSE(m.jugando.enabled);
}
