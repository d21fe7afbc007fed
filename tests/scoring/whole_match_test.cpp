// Whole matches played through the buttons, the human playing the first card
// in his hand that the table accepts. Every deal must share out its points
// exactly, and the games may only grow until a match is won.
#include <gtest/gtest.h>

#include "core/controls.h"
#include "core/deal.h"
#include "core/texts.h"
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

struct Juegos {
    int nosotros = 0;
    int ellos = 0;
};

Juegos leer_juegos(const Mesa& m) {
    return {valor_numerico(m.juegos_nosotros.caption), valor_numerico(m.juegos_ellos.caption)};
}

struct Recuento {
    int manos = 0;
    int tutes = 0;
    int partidas = 0;
    int cantes = 0;
};

// One match from the window's load to its banner.
void jugar_partida(std::uint64_t semilla, Recuento& r) {
    prueba::MesaQueAnota t(semilla);
    Mesa& m = t.m;
    auto& anuncios = t.plataforma.anuncios;

    // The deal's totals are read while its banner is up: the match end that
    // may follow puts every label back to "0".
    int banners_de_mano = 0;
    int total_al_final = -1;
    bool partida_ganada = false;
    t.plataforma.durante_pausa_larga = [&] {
        if (m.anuncios[int(Anuncio::ganjuego)] || m.anuncios[int(Anuncio::perjuego)]) {
            ++banners_de_mano;
            total_al_final =
                valor_numerico(m.tanteo_nosotros.caption) + valor_numerico(m.tanteo_ellos.caption);
        }
        if (m.anuncios[int(Anuncio::ganpartida)] || m.anuncios[int(Anuncio::perpartida)]) {
            Juegos j = leer_juegos(m);
            EXPECT_TRUE(m.anuncios[int(Anuncio::ganpartida)] ? j.nosotros >= 8 : j.ellos >= 8)
                << "seed " << semilla;
            partida_ganada = true;
        }
    };

    Form_Load(m);
    Juegos antes{};
    for (int mano = 1; !partida_ganada; ++mano) {
        ASSERT_LE(mano, 15) << "seed " << semilla << ": a match is won in at most 15 deals";
        const std::size_t primer_anuncio = anuncios.size();
        banners_de_mano = 0;

        ASSERT_TRUE(pulsar(m, Control::barajar)) << "seed " << semilla;
        ASSERT_TRUE(pulsar(m, Control::ordenamelas));
        int bazas = 0;
        while (!m.barajar.activo()) {
            ASSERT_LT(bazas, 10) << "seed " << semilla << ", deal " << mano;
            ASSERT_TRUE(pulsar(m, Control::jugando)) << "seed " << semilla << ", deal " << mano;
            bool jugada = false;
            for (int i = 1; i <= 10 && !jugada; ++i)
                jugada = pulsar_carta(m, i) && m.carta_rechazada == 0;
            ASSERT_TRUE(jugada) << "seed " << semilla << ": the human had no card to play";
            ASSERT_TRUE(pulsar(m, Control::recoger));
            ++bazas;
        }

        ++r.manos;
        const Juegos despues = leer_juegos(m);
        if (m.tute_cantado == SiNo::si) {
            ++r.tutes;
            EXPECT_EQ(banners_de_mano, 0) << "seed " << semilla << ": a tute's deal is not counted";
        } else {
            EXPECT_EQ(bazas, 10);
            ASSERT_EQ(banners_de_mano, 1) << "seed " << semilla << ", deal " << mano;
            const int cantado = puntos_cantados(anuncios, primer_anuncio);
            r.cantes += cantado > 0;
            EXPECT_EQ(total_al_final, 130 + cantado) << "seed " << semilla << ", deal " << mano;
        }
        if (partida_ganada) {
            EXPECT_EQ(m.barajar.caption, texto::nueva_partida);
            EXPECT_EQ(despues.nosotros + despues.ellos, 0);
            ++r.partidas;
        } else {
            // One game, two above 100 points, two for a tute: never fewer.
            const int ganados = despues.nosotros - antes.nosotros + despues.ellos - antes.ellos;
            EXPECT_GE(despues.nosotros, antes.nosotros) << "seed " << semilla;
            EXPECT_GE(despues.ellos, antes.ellos) << "seed " << semilla;
            EXPECT_TRUE(ganados == 1 || ganados == 2) << "seed " << semilla << ": " << ganados;
            EXPECT_EQ(m.barajar.caption, texto::barajar_y_repartir);
        }
        antes = despues;
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
    EXPECT_EQ(r.partidas, 300);
    // The matches really met the cases that matter.
    EXPECT_GT(r.tutes, 0);
    EXPECT_GT(r.cantes, r.manos / 4);
    std::printf("%d deals, %d with declarations, %d ended by a tute\n", r.manos, r.cantes, r.tutes);
}
