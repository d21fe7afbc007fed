// Checks on a table in play, shared by the tests of the deal and the trick.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/controls.h"
#include "support/players_table.h"

namespace quimbel::prueba {

// A table on the scripted source whose platform keeps the cards put down.
struct MesaJugada {
    explicit MesaJugada(std::uint64_t semilla = 0) : azar(semilla), m(plataforma, azar) {}
    PlataformaDeCartas plataforma;
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

// The suit arrays match what the table shows, slot by slot: a card is in its
// suit's array exactly while its face (and its back) are shown. Once AGRUPAR
// is gone the human's arrays are only a set of codes, checked as such.
inline ::testing::AssertionResult manos_cuadran(const Mesa& m) {
    int de_mas[41] = {}; // grouped: the human's codes in the arrays, less those in view
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int i = 1; i <= 10; ++i) {
            const Imagen& carta = m.manos[asiento][i];
            const bool conjunto = asiento == yo && !m.ordenamelas.visible;
            auto falla = [&] {
                return ::testing::AssertionFailure() << nombre_asiento(asiento) << " slot " << i;
            };
            if (carta.visible && m.palos[asiento][i] != palo_de_codigo(carta.tag))
                return falla() << ": palos holds " << m.palos[asiento][i];
            if (conjunto && carta.visible) --de_mas[carta.tag];
            for (int palo = oros; palo <= bastos; ++palo) {
                const int codigo = m.cartas[asiento][palo][i];
                if (conjunto && codigo != 0) ++de_mas[palo_de_codigo(codigo) == palo ? codigo : 0];
                const bool aqui = carta.visible && palo_de_codigo(carta.tag) == palo;
                if (!conjunto && codigo != (aqui ? carta.tag : 0))
                    return falla() << ": suit " << palo << " holds " << codigo;
            }
            // A tute shows the declarer's cards face up for the rest of the deal.
            if (asiento != yo && m.tute_cantado == SiNo::no &&
                m.tapas[asiento][i].visible != carta.visible)
                return falla() << ": back and face disagree";
        }
    for (int codigo = 0; codigo <= 40; ++codigo)
        if (de_mas[codigo] != 0)
            return ::testing::AssertionFailure()
                   << "yo: code " << codigo << " is " << de_mas[codigo]
                   << " times more in the arrays than in view";
    return ::testing::AssertionSuccess();
}

// Every card of the deck is in exactly one place: a hand (face shown, picture
// and Tag together), the table (centre image shown) or the tricks collected.
inline ::testing::AssertionResult cada_carta_en_un_sitio(const Mesa& m,
                                                         const std::vector<int>& recogidas) {
    std::string sitios[41];
    auto anotar = [&](int codigo, std::string_view sitio) {
        if (codigo >= 1 && codigo <= 40) sitios[codigo] += " " + std::string(sitio);
    };
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        for (const Imagen& carta : m.manos[asiento]) {
            if (!carta.visible) continue;
            if (naipe_codigo(carta.dibujo) != carta.tag)
                return ::testing::AssertionFailure() << carta.tag << ": picture and Tag apart";
            anotar(carta.tag, nombre_asiento(asiento));
        }
        if (m.centro[asiento].visible) anotar(naipe_codigo(m.centro[asiento].dibujo), "table");
    }
    for (int codigo : recogidas) anotar(codigo, "collected");
    for (int codigo = 1; codigo <= 40; ++codigo)
        if (sitios[codigo].empty() || sitios[codigo].find(' ', 1) != std::string::npos)
            return ::testing::AssertionFailure()
                   << nombre_carta(codigo) << " is in [" << sitios[codigo] << " ]";
    return ::testing::AssertionSuccess();
}

} // namespace quimbel::prueba
