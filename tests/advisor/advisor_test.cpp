// SPDX-License-Identifier: GPL-3.0-or-later
// The hint on positions taken from whole scripted deals: it reads nothing the
// human cannot see, it suggests only cards the rules accept, it changes
// nothing at the table, and the worlds it plays are the deal as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "advisor/advisor.h"
#include "advisor/hidden_cards.h"
#include "advisor/playout.h"
#include "advisor/world_table.h"
#include "core/deal.h"
#include "core/hand_slots.h"
#include "handlers/controls.h"
#include "handlers/play_out.h"
#include "support/headless_table.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::consejo;

namespace {

// Play `repartos` deals from `semilla`, the human by the first accepted card,
// calling `en_turno` at each of his turns before he plays.
void en_cada_turno(std::uint64_t semilla, int repartos,
                   const std::function<void(Mesa&)>& en_turno) {
    prueba::MesaDePrueba t(semilla);
    Mesa& m = t.m;
    Form_Load(m);
    for (int r = 0; r < repartos; ++r) {
        ASSERT_TRUE(pulsar(m, Control::barajar));
        ASSERT_TRUE(pulsar(m, Control::ordenamelas));
        while (pulsar(m, Control::jugando)) {
            en_turno(m);
            ASSERT_NE(jugar_primera_aceptada(m), 0);
            ASSERT_TRUE(pulsar(m, Control::recoger));
        }
    }
}

// The deal as it was at its start: each computer seat's cards, slot by slot.
Mundo reparto_real(const Mesa& m) {
    Mundo real;
    for (int s = derecha; s <= izquierda; ++s)
        for (int i = 1; i <= cartas_por_mano; ++i) real.codigo[s][i] = m.en_hueco[s][i];
    return real;
}

// The same table with what the human cannot see dealt again: the cards the
// computer seats still hold swapped in pairs, within a seat or between seats,
// whenever the deal still fits what was seen (no known void broken, declared
// pairs and the trump card in their seat); and the deck scrambled. Returns
// how many cards changed seat.
int redistribuir(Mesa& m, consejo::Dado& dado) {
    const Incognitas incognitas(conocimiento_de(m));
    struct Sitio {
        int asiento, hueco;
    };
    std::vector<Sitio> ocultos;
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int i = 1; i <= cartas_por_mano; ++i)
            if (m.en_mano_en(asiento, i)) ocultos.push_back({asiento, i});
    int de_asiento = 0;
    for (int n = 0; n < 60 && ocultos.size() > 1; ++n) {
        auto uno = [&] {
            return ocultos[static_cast<std::size_t>(dado.hasta(static_cast<int>(ocultos.size())))];
        };
        const Sitio a = uno(), b = uno();
        const int ca = m.en_hueco[a.asiento][a.hueco], cb = m.en_hueco[b.asiento][b.hueco];
        Mundo w = reparto_real(m);
        std::swap(w.codigo[a.asiento][a.hueco], w.codigo[b.asiento][b.hueco]);
        if (!incognitas.admite(w)) continue;
        colocar_carta(m, a.asiento, a.hueco, cb);
        colocar_carta(m, b.asiento, b.hueco, ca);
        de_asiento += 2 * (a.asiento != b.asiento);
    }
    m.nota = Nota::cantan_oros;
    return de_asiento;
}

// Whether the human may play slot i now: tried on a copy.
bool acepta(const Mesa& m, int i) {
    prueba::PlataformaQueAnota plataforma;
    AzarGuionado azar;
    Mesa copia = m;
    copia.plataforma = &plataforma;
    copia.azar = &azar;
    return pulsar_carta(copia, i) && !copia.en_mano_en(yo, i);
}

} // namespace

// At more than a hundred positions, the suggestion and every value are the
// same whatever the unseen cards are and wherever the game's draws stand; the
// suggestion is a card the obligations accept, and the values are given for
// exactly the cards they accept. Each search, with small settings.
TEST(Pista, SeesOnlyWhatTheHumanSeesAndSuggestsAnAcceptedCard) {
    int posiciones = 0, de_asiento = 0;
    for (std::uint64_t semilla : {3u, 11u, 17u, 23u}) {
        consejo::Dado dado(semilla);
        en_cada_turno(semilla, 3, [&](Mesa& m) {
            Ajustes ajustes;
            ajustes.semilla = 77 + semilla;
            ajustes.muestras = 4;
            ajustes.presupuesto = 40;
            ajustes.busqueda =
                static_cast<Busqueda>(posiciones % static_cast<int>(std::size(nombres_busqueda)));
            ++posiciones;
            const Pista pista = pedir_pista(m, ajustes);
            ASSERT_NE(pista.hueco, 0);
            EXPECT_EQ(pista.nombre, nombre_carta(m.en_hueco[yo][pista.hueco]));
            EXPECT_TRUE(acepta(m, pista.hueco)) << pista.nombre;
            std::vector<int> aceptadas, valoradas;
            for (int i = 1; i <= cartas_por_mano; ++i)
                if (m.en_mano_en(yo, i) && acepta(m, i)) aceptadas.push_back(i);
            for (const Valoracion& v : pista.consejo.valores) valoradas.push_back(v.hueco);
            EXPECT_EQ(valoradas, aceptadas);

            Mesa otra = m;
            de_asiento += redistribuir(otra, dado);
            AzarGuionado otro_azar(dado.siguiente());
            otra.azar = &otro_azar;
            const Pista otra_pista = pedir_pista(otra, ajustes);
            EXPECT_EQ(otra_pista.hueco, pista.hueco);
            ASSERT_EQ(otra_pista.consejo.valores.size(), pista.consejo.valores.size());
            for (std::size_t n = 0; n < pista.consejo.valores.size(); ++n)
                EXPECT_EQ(otra_pista.consejo.valores[n].valor, pista.consejo.valores[n].valor);
        });
    }
    EXPECT_GT(posiciones, 100);
    EXPECT_GT(de_asiento, 2 * posiciones) << "the unseen cards hardly changed seat";
}

// Deals played with a hint asked at every turn of the human put down the same
// cards, show the same pictures and messages, and leave the game's random
// source where deals without hints leave it.
TEST(Pista, AskingChangesNothingAtTheTable) {
    auto jugar = [](bool con_pista) {
        prueba::MesaDePrueba t(5);
        std::vector<int> traza;
        Mesa& m = t.m;
        Form_Load(m);
        for (int r = 0; r < 3; ++r) {
            pulsar(m, Control::barajar);
            pulsar(m, Control::ordenamelas);
            while (pulsar(m, Control::jugando)) {
                if (con_pista) {
                    Ajustes ajustes;
                    ajustes.presupuesto = 60;
                    ajustes.semilla = 9;
                    EXPECT_NE(pedir_pista(m, ajustes).hueco, 0);
                }
                traza.push_back(jugar_primera_aceptada(m));
                pulsar(m, Control::recoger);
                traza.push_back(m.nosotros.tanteo);
                traza.push_back(m.ellos.tanteo);
            }
        }
        for (const auto& b : t.plataforma.bazas) traza.push_back(b.asiento);
        for (Anuncio a : t.plataforma.anuncios) traza.push_back(static_cast<int>(a));
        traza.push_back(static_cast<int>(t.plataforma.mensajes.size()));
        traza.push_back(static_cast<int>(t.azar.aleatorio() * 1e6));
        EXPECT_FALSE(pedir_pista(m).hueco) << "outside the human's turn there is no hint";
        return traza;
    };
    EXPECT_EQ(jugar(true), jugar(false));
}

// At every turn of the human in 200 whole matches from four seeds, the true
// deal is one the worlds are drawn from, and its replay agrees with what was
// seen for some draws of the leaders (version 1.0's grid of draws missed one
// turn in 400, always in a trick izquierda led: seed 31, deal 2, trick 2 is
// one).
TEST(Pista, TheTrueDealAlwaysAgreesWithWhatWasSeen) {
    int turnos = 0, partidas = 0;
    double menor = 1;
    for (std::uint64_t semilla : {31u, 2u, 5u, 9u}) {
        prueba::MesaDePrueba t(semilla);
        Mesa& m = t.m;
        Form_Load(m);
        auto fin_de_partida = [&t] {
            int n = 0;
            for (Anuncio a : t.plataforma.anuncios)
                n += a == Anuncio::ganpartida || a == Anuncio::perpartida;
            return n;
        };
        for (int reparto = 1; fin_de_partida() < 50; ++reparto) {
            ASSERT_TRUE(pulsar(m, Control::barajar));
            ASSERT_TRUE(pulsar(m, Control::ordenamelas));
            for (int baza = 1; pulsar(m, Control::jugando); ++baza) {
                ++turnos;
                const Conocimiento k = conocimiento_de(m);
                const Mundo real = reparto_real(m);
                ASSERT_TRUE(Incognitas(k).admite(real))
                    << "seed " << semilla << " deal " << reparto << " trick " << baza;
                PlataformaMundo plataforma;
                AzarGuionado azar;
                Mesa rehecha(plataforma, azar);
                const double p = rehacer_reparto(rehecha, k, real, plataforma);
                ASSERT_GT(p, 0) << "seed " << semilla << " deal " << reparto << " trick " << baza;
                menor = std::min(menor, p);
                ASSERT_NE(jugar_primera_aceptada(m), 0);
                ASSERT_TRUE(pulsar(m, Control::recoger));
            }
        }
        partidas += fin_de_partida();
    }
    EXPECT_EQ(partidas, 200) << turnos;
    EXPECT_GT(turnos, 15000);
    EXPECT_LT(menor, 0.1) << "the leaders' draws are weighed, not only counted";
}

// A world replayed to the human's turn plays the rest of the deal exactly as
// the same world laid out directly at that turn (the way a world that agrees
// with nothing is laid).
TEST(Pista, ReplayedWorldsAreTheDealAsItWas) {
    int turnos = 0;
    en_cada_turno(21, 4, [&](Mesa& m) {
        ++turnos;
        const Conocimiento k = conocimiento_de(m);
        const Mundo real = reparto_real(m);
        PlataformaMundo plataforma;
        AzarGuionado fijo;
        Mesa rehecha(plataforma, fijo);
        ASSERT_GT(rehacer_reparto(rehecha, k, real, plataforma), 0) << "turn " << turnos;
        plataforma.esperar(nullptr, 0);
        Mesa directa(plataforma, fijo);
        mesa_actual(directa, k, real);

        auto jugar_hasta_el_fin = [&](Mesa mesa) {
            prueba::PlataformaQueAnota cartas;
            AzarGuionado azar(static_cast<std::uint64_t>(turnos));
            mesa.plataforma = &cartas;
            mesa.azar = &azar;
            jugar_primera_aceptada(mesa);
            jugar_hasta_el_final(mesa);
            std::vector<int> v;
            for (auto c : cartas.puestas) v.push_back(c.codigo);
            v.push_back(mesa.nosotros.tanteo);
            v.push_back(mesa.ellos.juegos);
            return v;
        };
        EXPECT_EQ(jugar_hasta_el_fin(rehecha), jugar_hasta_el_fin(directa)) << "turn " << turnos;
        EXPECT_EQ(jugar_hasta_el_fin(m), jugar_hasta_el_fin(directa)) << "turn " << turnos;
    });
    EXPECT_GT(turnos, 30);
}
