// Whole matches played through the buttons, the human playing the first card
// in his hand that the table accepts. Every deal must share out its points
// exactly, and the games may only grow until a match is won.
#include <gtest/gtest.h>

#include "core/controls.h"
#include "core/deal.h"
#include "support/recording_table.h"

using namespace quimbel;

namespace {

// What the 20s and 40s among these pictures add up to.
int puntos_cantados(const std::vector<Anuncio>& anuncios, std::size_t desde) {
    int puntos = 0;
    for (std::size_t i = desde; i < anuncios.size(); ++i)
        for (int asiento = derecha; asiento <= yo; ++asiento) {
            if (anuncios[i] == anuncio_40(asiento)) puntos += 40;
            for (int palo = oros; palo <= bastos; ++palo)
                if (anuncios[i] == anuncio_20(asiento, palo)) puntos += 20;
        }
    return puntos;
}

int juegos(const Mesa& m, Equipo e) {
    return valor_numerico((e == Equipo::nosotros ? m.juegos_nosotros : m.juegos_ellos).caption);
}

struct Recuento {
    int manos = 0, tutes = 0, cantes = 0;
};

// One match from the window's load to its banner.
void jugar_partida(std::uint64_t semilla, Recuento& r) {
    SCOPED_TRACE(::testing::Message() << "seed " << semilla);
    prueba::MesaQueAnota t(semilla);
    Mesa& m = t.m;
    auto& anuncios = t.plataforma.anuncios;

    // The deal's totals are read while its banner is up: the match end that
    // may follow puts every label back to "0".
    int banners_de_mano = 0, total_al_final = -1;
    bool partida_ganada = false;
    t.plataforma.durante_pausa_larga = [&] {
        if (m.anuncios[int(Anuncio::ganjuego)] || m.anuncios[int(Anuncio::perjuego)]) {
            ++banners_de_mano;
            total_al_final =
                valor_numerico(m.tanteo_nosotros.caption) + valor_numerico(m.tanteo_ellos.caption);
        }
        partida_ganada |=
            m.anuncios[int(Anuncio::ganpartida)] || m.anuncios[int(Anuncio::perpartida)];
    };

    Form_Load(m);
    int antes[2] = {0, 0};
    for (int mano = 1; !partida_ganada; ++mano) {
        SCOPED_TRACE(::testing::Message() << "deal " << mano);
        ASSERT_LE(mano, 15) << "a match is won in at most 15 deals";
        const std::size_t primer_anuncio = anuncios.size();
        banners_de_mano = 0;

        ASSERT_TRUE(pulsar(m, Control::barajar));
        ASSERT_TRUE(pulsar(m, Control::ordenamelas));
        int bazas = 0;
        for (; !m.barajar.activo(); ++bazas) {
            ASSERT_LT(bazas, 10);
            ASSERT_TRUE(pulsar(m, Control::jugando));
            bool jugada = false;
            for (int i = 1; i <= 10 && !jugada; ++i)
                jugada = pulsar_carta(m, i) && m.carta_rechazada == 0;
            ASSERT_TRUE(jugada) << "the human had no card to play";
            ASSERT_TRUE(pulsar(m, Control::recoger));
        }

        ++r.manos;
        if (m.tute_cantado == SiNo::si) {
            ++r.tutes;
            EXPECT_EQ(banners_de_mano, 0) << "a tute's deal is not counted";
        } else {
            EXPECT_EQ(bazas, 10);
            ASSERT_EQ(banners_de_mano, 1);
            const int cantado = puntos_cantados(anuncios, primer_anuncio);
            r.cantes += cantado > 0;
            EXPECT_EQ(total_al_final, 130 + cantado);
        }
        const int despues[2] = {juegos(m, Equipo::nosotros), juegos(m, Equipo::ellos)};
        if (partida_ganada) {
            EXPECT_EQ(m.barajar.caption, texto::nueva_partida);
            EXPECT_EQ(despues[0] + despues[1], 0);
        } else {
            // One game, two above 100 points, two for a tute: never fewer.
            const int ganados = despues[0] - antes[0] + despues[1] - antes[1];
            EXPECT_GE(despues[0], antes[0]);
            EXPECT_GE(despues[1], antes[1]);
            EXPECT_TRUE(ganados == 1 || ganados == 2) << ganados;
            EXPECT_EQ(m.barajar.caption, texto::barajar_y_repartir);
        }
        antes[0] = despues[0], antes[1] = despues[1];
    }
    // The new match starts from a fresh deal with the usual caption.
    ASSERT_TRUE(pulsar(m, Control::barajar));
    EXPECT_EQ(m.barajar.caption, texto::barajar_y_repartir);
}

} // namespace

TEST(PartidasEnteras, EveryDealSharesOut130PlusItsDeclarationsAndGamesOnlyGrow) {
    Recuento r;
    for (std::uint64_t semilla = 1; semilla <= 300; ++semilla) {
        jugar_partida(semilla, r);
        if (::testing::Test::HasFatalFailure()) return;
    }
    // The matches really met the cases that matter.
    EXPECT_GT(r.tutes, 0);
    EXPECT_GT(r.cantes, r.manos / 4);
    std::printf("%d deals, %d with declarations, %d ended by a tute\n", r.manos, r.cantes, r.tutes);
}
