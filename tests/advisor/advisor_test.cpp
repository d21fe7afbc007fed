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

// The same table with what the human cannot see dealt again: the unseen cards
// of the computer seats change slots within a seat, or change seats with a card
// of the same suit (so every void and count stays), pairs declared and the
// trump card staying put; and the deck scrambled.
void redistribuir(Mesa& m, consejo::Dado& dado) {
    struct Sitio {
        int asiento, hueco;
    };
    std::vector<Sitio> ocultos;
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int i = 1; i <= 10; ++i) {
            const int codigo = m.manos[asiento][i].tag;
            const int palo = palo_de_codigo(codigo);
            const bool de_pareja = (rango_de_codigo(codigo) == rango_caballo ||
                                    rango_de_codigo(codigo) == rango_rey) &&
                                   m.cantado[asiento][palo];
            if (m.manos[asiento][i].visible && codigo != m.pinta.tag && !de_pareja)
                ocultos.push_back({asiento, i});
        }
    for (int n = 0; n < 40 && ocultos.size() > 1; ++n) {
        const Sitio a =
            ocultos[static_cast<std::size_t>(dado.hasta(static_cast<int>(ocultos.size())))];
        const Sitio b =
            ocultos[static_cast<std::size_t>(dado.hasta(static_cast<int>(ocultos.size())))];
        const int ca = m.manos[a.asiento][a.hueco].tag, cb = m.manos[b.asiento][b.hueco].tag;
        if (a.asiento != b.asiento && palo_de_codigo(ca) != palo_de_codigo(cb)) continue;
        colocar_carta(m, a.asiento, a.hueco, cb);
        colocar_carta(m, b.asiento, b.hueco, ca);
    }
    for (int i = 1; i <= 40; ++i) std::swap(m.baraja[i], m.baraja[1 + dado.hasta(40)]);
    m.Label4.caption = "Cantan a OROS";
}

// Whether the human may play slot i now: tried on a copy.
bool acepta(const Mesa& m, int i) {
    prueba::PlataformaQueAnota plataforma;
    AzarGuionado azar;
    Mesa copia = m;
    copia.plataforma = &plataforma;
    copia.azar = &azar;
    return pulsar_carta(copia, i) && !copia.manos[yo][i].visible;
}

} // namespace

// The suggestion and every value are the same whatever the unseen cards are,
// and the suggestion is a card the obligations accept; the values are given
// for exactly the cards they accept.
TEST(Pista, SeesOnlyWhatTheHumanSeesAndSuggestsAnAcceptedCard) {
    int turnos = 0, redistribuidos = 0;
    for (std::uint64_t semilla : {3u, 11u}) {
        consejo::Dado dado(semilla);
        en_cada_turno(semilla, 3, [&](Mesa& m) {
            if (++turnos % 3 != 0) return;
            const Ajustes ajustes{6, 77};
            const Pista pista = pedir_pista(m, ajustes);
            ASSERT_NE(pista.hueco, 0);
            EXPECT_EQ(pista.nombre, nombre_carta(m.manos[yo][pista.hueco].tag));
            EXPECT_TRUE(acepta(m, pista.hueco)) << pista.nombre;
            std::vector<int> aceptadas, valoradas;
            for (int i = 1; i <= 10; ++i)
                if (m.manos[yo][i].visible && acepta(m, i)) aceptadas.push_back(i);
            for (const Valoracion& v : pista.consejo.valores) valoradas.push_back(v.hueco);
            EXPECT_EQ(valoradas, aceptadas);

            Mesa otra = m;
            redistribuir(otra, dado);
            bool cambia = false;
            for (int s = derecha; s <= izquierda; ++s)
                for (int i = 1; i <= 10; ++i) cambia |= otra.manos[s][i].tag != m.manos[s][i].tag;
            redistribuidos += cambia;
            const Pista otra_pista = pedir_pista(otra, ajustes);
            EXPECT_EQ(otra_pista.hueco, pista.hueco);
            ASSERT_EQ(otra_pista.consejo.valores.size(), pista.consejo.valores.size());
            for (std::size_t n = 0; n < pista.consejo.valores.size(); ++n)
                EXPECT_EQ(otra_pista.consejo.valores[n].valor, pista.consejo.valores[n].valor);
        });
    }
    EXPECT_GT(turnos, 40);
    EXPECT_GT(redistribuidos, 8) << "the unseen cards were hardly moved";
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
                    EXPECT_NE(pedir_pista(m, {4, 9}).hueco, 0);
                }
                traza.push_back(jugar_primera_aceptada(m));
                pulsar(m, Control::recoger);
                traza.push_back(valor_numerico(m.tanteo_nosotros.caption.texto()));
                traza.push_back(valor_numerico(m.tanteo_ellos.caption.texto()));
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

// The deal as it was at its start: each computer seat's cards, slot by slot.
Mundo reparto_real(const Mesa& m) {
    Mundo real;
    for (int s = derecha; s <= izquierda; ++s)
        for (int i = 1; i <= cartas_por_mano; ++i) real.codigo[s][i] = m.manos[s][i].tag;
    return real;
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
            v.push_back(valor_numerico(mesa.tanteo_nosotros.caption.texto()));
            v.push_back(valor_numerico(mesa.juegos_ellos.caption.texto()));
            return v;
        };
        EXPECT_EQ(jugar_hasta_el_fin(rehecha), jugar_hasta_el_fin(directa)) << "turn " << turnos;
        EXPECT_EQ(jugar_hasta_el_fin(m), jugar_hasta_el_fin(directa)) << "turn " << turnos;
    });
    EXPECT_GT(turnos, 30);
}
