// Checks on a table in play, shared by the tests of the trick and the deal.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "core/headless_platform.h"
#include "core/random_source.h"
#include "core/table.h"

namespace quimbel::prueba {

// The headless platform that also keeps the order in which cards reach the
// table, as (seat, code).
struct PlataformaQueAnota : PlataformaSinPantalla {
    void carta_puesta(int asiento, int codigo) override { puestas.push_back({asiento, codigo}); }
    std::vector<std::pair<int, int>> puestas;
};

struct MesaQueAnota {
    explicit MesaQueAnota(std::uint64_t semilla = 0) : azar(semilla), m(plataforma, azar) {}
    PlataformaQueAnota plataforma;
    AzarGuionado azar;
    Mesa m;
};

// The slot of the human's hand image that shows `codigo`, 0 when none does.
inline int ranura_yo(const Mesa& m, int codigo) {
    for (int i = 1; i <= 10; ++i)
        if (m.manos[yo][i].visible && m.manos[yo][i].tag == codigo) return i;
    return 0;
}

// The human's policy in whole tricks: click his cards in slot order until one
// is accepted. The slot played, 0 when no card could be played.
inline int jugar_primera_aceptada(Mesa& m) {
    for (int i = 1; i <= 10; ++i)
        if (pulsar_carta(m, i) && !m.manos[yo][i].visible) return i;
    return 0;
}

// The seats' suit arrays match what the table shows: for a computer seat slot
// by slot (a card is in its suit's array exactly while its face and back are
// shown), for the human as a set of codes (his hand is grouped).
inline ::testing::AssertionResult manos_cuadran(const Mesa& m) {
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        for (int i = 1; i <= 10; ++i) {
            const Imagen& carta = m.manos[asiento][i];
            for (int palo = oros; palo <= bastos; ++palo) {
                int esperado = (carta.visible && m.palos[asiento][i] == palo) ? carta.tag : 0;
                if (m.cartas[asiento][palo][i] != esperado)
                    return ::testing::AssertionFailure()
                           << nombre_asiento(asiento) << " slot " << i << " suit " << palo
                           << ": array holds " << m.cartas[asiento][palo][i] << ", table shows "
                           << esperado;
            }
            // A tute shows the declarer's cards face up for the rest of the deal.
            if (m.tute_cantado == SiNo::no && m.tapas[asiento][i].visible != carta.visible)
                return ::testing::AssertionFailure()
                       << nombre_asiento(asiento) << " slot " << i << ": back and face disagree";
        }
    }
    int en_arrays[41] = {};
    for (int palo = oros; palo <= bastos; ++palo)
        for (int i = 1; i <= 10; ++i) {
            int codigo = m.cartas[yo][palo][i];
            if (codigo == 0) continue;
            if (palo_de_codigo(codigo) != palo)
                return ::testing::AssertionFailure() << "yo: " << codigo << " in suit " << palo;
            ++en_arrays[codigo];
        }
    int a_la_vista[41] = {};
    for (int i = 1; i <= 10; ++i) {
        const Imagen& carta = m.manos[yo][i];
        if (!carta.visible) continue;
        if (m.palos[yo][i] != palo_de_codigo(carta.tag))
            return ::testing::AssertionFailure() << "palos_yo(" << i << ") does not match";
        ++a_la_vista[carta.tag];
    }
    for (int codigo = 1; codigo <= 40; ++codigo)
        if (en_arrays[codigo] != a_la_vista[codigo])
            return ::testing::AssertionFailure()
                   << "yo: code " << codigo << " " << en_arrays[codigo] << " times in the arrays, "
                   << a_la_vista[codigo] << " times in view";
    return ::testing::AssertionSuccess();
}

// Every card of the deck is in exactly one place: a hand (face shown), the
// table (centre image shown) or the tricks already collected.
inline ::testing::AssertionResult cada_carta_en_un_sitio(const Mesa& m,
                                                         const std::vector<int>& recogidas) {
    int veces[41] = {};
    std::string sitios[41];
    auto anotar = [&](int codigo, std::string_view sitio) {
        if (codigo < 1 || codigo > 40) return;
        ++veces[codigo];
        sitios[codigo] += ' ';
        sitios[codigo] += sitio;
    };
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        for (int i = 1; i <= 10; ++i) {
            const Imagen& carta = m.manos[asiento][i];
            if (!carta.visible) continue;
            if (naipe_codigo(carta.dibujo) != carta.tag)
                return ::testing::AssertionFailure()
                       << nombre_asiento(asiento) << "(" << i << "): picture and Tag apart";
            anotar(carta.tag, nombre_asiento(asiento));
        }
        if (m.centro[asiento].visible)
            anotar(naipe_codigo(m.centro[asiento].dibujo), nombre_centro(asiento));
    }
    for (int codigo : recogidas) anotar(codigo, "collected");
    for (int codigo = 1; codigo <= 40; ++codigo)
        if (veces[codigo] != 1)
            return ::testing::AssertionFailure() << nombre_carta(codigo) << " is in "
                                                 << veces[codigo] << " places:" << sitios[codigo];
    return ::testing::AssertionSuccess();
}

} // namespace quimbel::prueba
