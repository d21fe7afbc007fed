// SPDX-License-Identifier: GPL-3.0-or-later
// A deal laid by hand at its fifth trick, for the scoring and the collection.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/texts.h"
#include "support/headless_table.h"

namespace quimbel::prueba {

// The names of the pictures shown, "de40 ab20copas", for readable failures.
inline std::string nombres(const std::vector<Anuncio>& anuncios) {
    std::string s;
    for (Anuncio a : anuncios) (s += s.empty() ? "" : " ") += nombre_anuncio(a);
    return s;
}

// A deal at its fifth trick, laid by hand: every score "0", espadas trumps,
// the human still holding cards, and no button but SALIR able to act.
struct MesaDeTanteo : ::testing::Test {
    MesaDePrueba t;
    Mesa& m = t.m;
    std::vector<Anuncio>& vistos = t.plataforma.anuncios;

    void SetUp() override {
        vaciar_manos(m);
        poner_pinta(m, codigo_de(espadas, rango_dos));
        marcador(0, 0);
        juegos(0, 0);
        m.nueva_partida = m.puede_barajar = false;
        m.puede_jugar = m.puede_recoger = false;
        m.tute_cantado = SiNo::no;
        for (auto& palos : m.cantado)
            for (unsigned char& cantado : palos) cantado = 0;
        m.baza_numero = 5;
        dar_mano(m, yo, {1, 2, 3});
        vistos.clear();
        t.plataforma.bazas.clear();
    }
    void marcador(int nosotros, int ellos) {
        m.nosotros.tanteo = nosotros;
        m.ellos.tanteo = ellos;
    }
    void juegos(int nosotros, int ellos) {
        m.nosotros.juegos = nosotros;
        m.ellos.juegos = ellos;
    }
    int tanteo(Equipo e) const { return m.cuenta(e).tanteo; }
    // The tenth trick: the human's hand is empty and baza_numero has gone to 11.
    void ultima() {
        dar_mano(m, yo, {});
        m.baza_numero = 11;
    }
    // derecha, arriba, izquierda and yo's cards on the table.
    void en_mesa(std::array<int, num_asientos> codigos) {
        int k = derecha;
        for (int codigo : codigos) poner_en_mesa(m, k++, codigo);
    }
};

} // namespace quimbel::prueba
