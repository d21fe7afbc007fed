// SPDX-License-Identifier: GPL-3.0-or-later
// A table on the headless platform with the scripted random source, and ways
// to lay a situation on it by hand.
#pragma once

#include <vector>

#include "core/headless_platform.h"
#include "core/random_source.h"
#include "core/table.h"

namespace quimbel::prueba {

// A headless platform that also keeps the notices the game sends, in order:
// the cards put on the table, the announcement pictures, the tricks evaluated.
class PlataformaQueAnota : public PlataformaSinPantalla {
  public:
    struct Puesta {
        int asiento;
        int codigo;
    };
    struct Baza {
        int asiento;
        Equipo equipo;
    };
    void carta_puesta(int asiento, int codigo) override { puestas.push_back({asiento, codigo}); }
    void anuncio_mostrado(Anuncio a) override { anuncios.push_back(a); }
    void baza_evaluada(int asiento, Equipo equipo) override { bazas.push_back({asiento, equipo}); }

    std::vector<Puesta> puestas;
    std::vector<Anuncio> anuncios;
    std::vector<Baza> bazas;
};

struct MesaDePrueba {
    explicit MesaDePrueba(std::uint64_t semilla = 0) : azar(semilla), m(plataforma, azar) {}
    PlataformaQueAnota plataforma;
    AzarGuionado azar;
    Mesa m;
};

// Give `asiento` exactly these codes in slots 1, 2 ... (the rest empty), as
// the deal would: visible faces, backs for a computer seat, the suit arrays
// and the suit-number array.
void dar_mano(Mesa& m, int asiento, const std::vector<int>& codigos);
// Empty all four hands.
void vaciar_manos(Mesa& m);
// Put `codigo` on the trick table for `asiento`, as a played card reads there.
void poner_en_mesa(Mesa& m, int asiento, int codigo);
// Clear the trick table to " ", "0", " ".
void limpiar_mesa(Mesa& m);
// Turn up `codigo` as trump.
void poner_pinta(Mesa& m, int codigo);

} // namespace quimbel::prueba
