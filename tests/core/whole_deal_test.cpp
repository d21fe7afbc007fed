// Whole deals played through the controls only, as a user plays them: press,
// click, press. The human plays the first card the obligations accept.
#include <gtest/gtest.h>

#include <vector>

#include "core/deal.h"
#include "core/texts.h"
#include "table_checks.h"

using namespace quimbel;
using prueba::MesaJugada;

namespace {

constexpr Control botones[] = {Control::barajar, Control::ordenamelas, Control::jugando,
                               Control::recoger};

// Between deals, nothing but barajar (and SALIR) can act.
void listo_para_repartir(Mesa& m) {
    for (Control c : botones) EXPECT_EQ(boton(m, c).activo(), c == Control::barajar);
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(m, i));
}

// One deal from the press of barajar to its last collection; the tricks played.
int jugar_reparto(MesaJugada& t) {
    Mesa& m = t.m;
    EXPECT_TRUE(pulsar(m, Control::barajar));
    EXPECT_EQ(m.la_pinta, palo_de_codigo(m.pinta.tag));
    EXPECT_FALSE(pulsar(m, Control::jugando)) << "AGRUPAR comes first";
    EXPECT_TRUE(pulsar(m, Control::ordenamelas));
    std::vector<int> recogidas;
    int bazas = 0;
    while (boton(m, Control::jugando).activo() && !::testing::Test::HasFailure()) {
        SCOPED_TRACE(::testing::Message() << "trick " << ++bazas);
        t.plataforma.puestas.clear();
        const int lider = m.quien_sale;
        EXPECT_TRUE(pulsar(m, Control::jugando));
        EXPECT_NE(prueba::jugar_primera_aceptada(m), 0) << "the human could play nothing";
        const auto& puestas = t.plataforma.puestas;
        EXPECT_EQ(puestas.size(), 4u);
        for (std::size_t n = 0; n < puestas.size(); ++n)
            EXPECT_EQ(puestas[n].asiento, (lider - 1 + static_cast<int>(n)) % 4 + 1);
        EXPECT_TRUE(prueba::manos_cuadran(m));
        EXPECT_TRUE(prueba::cada_carta_en_un_sitio(m, recogidas));
        for (auto [asiento, codigo] : puestas) recogidas.push_back(codigo);

        EXPECT_TRUE(pulsar(m, Control::recoger));
        EXPECT_EQ(m.baza_numero, bazas + 1);
        EXPECT_TRUE(prueba::manos_cuadran(m)) << "collected";
        EXPECT_TRUE(prueba::cada_carta_en_un_sitio(m, recogidas)) << "collected";
    }
    return bazas;
}

} // namespace

TEST(PartidaEntera, DealsPlayedThroughTheControlsKeepEveryCardInOnePlace) {
    int repartos = 0, partidas = 0, rechazos = 0;
    for (std::uint64_t semilla : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(semilla);
        MesaJugada t(semilla);
        Mesa& m = t.m;
        Form_Load(m);
        listo_para_repartir(m);
        // While a pause waits the window still takes clicks: none may start anything.
        t.plataforma.durante_pausa_corta = t.plataforma.durante_pausa_larga = [&m] {
            for (Control c : botones) EXPECT_FALSE(pulsar(m, c));
            for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(m, i));
            EXPECT_TRUE(boton(m, Control::Command2).activo());
        };
        for (int reparto = 1; reparto <= 12 && m.barajar.caption != texto::nueva_partida;
             ++reparto, ++repartos) {
            const int bazas = jugar_reparto(t);
            ASSERT_FALSE(::testing::Test::HasFailure()) << "deal " << reparto;
            // Ten tricks, every card collected; a tute ends the deal early.
            if (m.tute_cantado == SiNo::no) {
                EXPECT_EQ(bazas, 10);
            }
            listo_para_repartir(m);
        }
        partidas += m.barajar.caption == texto::nueva_partida;
        rechazos += static_cast<int>(t.plataforma.mensajes.size());
    }
    EXPECT_GT(partidas, 0) << "some match should have been played to its end";
    EXPECT_GT(repartos, 20);
    EXPECT_GT(rechazos, 0) << "the human's policy should have met some refusals";
}
