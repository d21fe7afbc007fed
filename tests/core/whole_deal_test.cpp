// Whole deals played through the controls only, as a user plays them: press,
// click, press. The human plays the first card the obligations accept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/controls.h"
#include "core/deal.h"
#include "core/texts.h"
#include "table_checks.h"

using namespace quimbel;
using prueba::MesaQueAnota;

namespace {

constexpr Control botones_de_juego[] = {Control::barajar, Control::ordenamelas, Control::jugando,
                                        Control::recoger};

// While any pause waits, the window still takes clicks: none of them may
// start anything. Only SALIR could act, and it is not pressed here.
void nada_actua_en_las_pausas(MesaQueAnota& t) {
    auto probar_todo = [&t] {
        for (Control c : botones_de_juego) EXPECT_FALSE(pulsar(t.m, c));
        for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(t.m, i));
        EXPECT_TRUE(boton(t.m, Control::Command2).activo());
    };
    t.plataforma.durante_pausa_corta = probar_todo;
    t.plataforma.durante_pausa_larga = probar_todo;
}

std::string describir(const std::vector<std::pair<int, int>>& puestas) {
    std::string texto;
    for (auto [asiento, codigo] : puestas)
        texto += " " + std::string(nombre_asiento(asiento)) + " " + nombre_carta(codigo) + ",";
    return texto;
}

int en_mano(const Mesa& m, int asiento) {
    int n = 0;
    for (int i = 1; i <= 10; ++i) n += m.manos[asiento][i].visible;
    return n;
}

// One deal from the press of barajar to its last collection. The number of
// tricks played.
int jugar_reparto(MesaQueAnota& t) {
    Mesa& m = t.m;
    EXPECT_TRUE(pulsar(m, Control::barajar));
    EXPECT_FALSE(pulsar(m, Control::jugando)) << "AGRUPAR comes first";
    EXPECT_TRUE(pulsar(m, Control::ordenamelas));
    EXPECT_TRUE(prueba::manos_cuadran(m));
    EXPECT_TRUE(prueba::cada_carta_en_un_sitio(m, {}));

    std::vector<int> recogidas;
    int bazas = 0;
    while (boton(m, Control::jugando).activo()) {
        ++bazas;
        t.plataforma.puestas.clear();
        EXPECT_TRUE(pulsar(m, Control::jugando));
        int lider = m.quien_sale;
        if (prueba::jugar_primera_aceptada(m) == 0) {
            ADD_FAILURE() << "trick " << bazas << ": the human could play nothing";
            return bazas;
        }
        const auto& puestas = t.plataforma.puestas;
        EXPECT_EQ(puestas.size(), 4u) << "trick " << bazas << ":" << describir(puestas);
        if (puestas.size() != 4u) return bazas;
        EXPECT_EQ(puestas.front().first, lider);
        for (int asiento = derecha; asiento <= yo; ++asiento)
            EXPECT_EQ(en_mano(m, asiento), 10 - bazas) << nombre_asiento(asiento);
        EXPECT_TRUE(prueba::manos_cuadran(m)) << "trick " << bazas << " on the table";
        EXPECT_TRUE(prueba::cada_carta_en_un_sitio(m, recogidas)) << "trick " << bazas;
        for (auto [asiento, codigo] : puestas) recogidas.push_back(codigo);

        EXPECT_TRUE(pulsar(m, Control::recoger));
        EXPECT_EQ(m.baza_numero, bazas + 1);
        EXPECT_TRUE(prueba::manos_cuadran(m)) << "trick " << bazas << " collected";
        EXPECT_TRUE(prueba::cada_carta_en_un_sitio(m, recogidas)) << "trick " << bazas;
        if (::testing::Test::HasFailure()) return bazas;
    }
    return bazas;
}

} // namespace

TEST(PartidaEntera, DealsPlayedThroughTheControlsKeepEveryCardInOnePlace) {
    int repartos = 0, partidas = 0, rechazos = 0;
    for (std::uint64_t semilla : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(semilla);
        MesaQueAnota t(semilla);
        Mesa& m = t.m;
        Form_Load(m); // its one pause ends the load, with barajar already usable
        nada_actua_en_las_pausas(t);
        // Until the match is won, or a fair number of deals.
        for (int reparto = 1; reparto <= 12 && m.barajar.caption != texto::nueva_partida;
             ++reparto) {
            int bazas = jugar_reparto(t);
            ASSERT_FALSE(::testing::Test::HasFailure()) << "deal " << reparto;
            ++repartos;
            if (m.tute_cantado == SiNo::no) {
                EXPECT_EQ(bazas, 10);
                for (int asiento = derecha; asiento <= yo; ++asiento)
                    EXPECT_EQ(en_mano(m, asiento), 0);
            }
            // Ready to deal: only barajar and SALIR.
            EXPECT_TRUE(m.barajar.activo());
            for (Control c : {Control::ordenamelas, Control::jugando, Control::recoger})
                EXPECT_FALSE(boton(m, c).activo());
            for (int i = 1; i <= 10; ++i) EXPECT_FALSE(pulsar_carta(m, i));
        }
        partidas += m.barajar.caption == texto::nueva_partida;
        rechazos += static_cast<int>(t.plataforma.mensajes.size());
    }
    EXPECT_GT(partidas, 0) << "some match should have been played to its end";
    EXPECT_GT(repartos, 20);
    EXPECT_GT(rechazos, 0) << "the human's policy should have met some refusals";
}
