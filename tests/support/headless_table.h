// A table on the headless platform with the scripted random source, and ways
// to lay a situation on it by hand.
#pragma once

#include <initializer_list>

#include "core/headless_platform.h"
#include "core/random_source.h"
#include "core/table.h"

namespace quimbel::prueba {

struct MesaDePrueba {
    explicit MesaDePrueba(std::uint64_t semilla = 0) : azar(semilla), m(plataforma, azar) {}
    PlataformaSinPantalla plataforma;
    AzarGuionado azar;
    Mesa m;
};

// Give `asiento` exactly these codes in slots 1, 2 ... (the rest empty), as
// the deal would: visible faces, backs for a computer seat, the suit arrays
// and the suit-number array.
void dar_mano(Mesa& m, int asiento, std::initializer_list<int> codigos);
// Empty all four hands.
void vaciar_manos(Mesa& m);
// Put `codigo` on the trick table for `asiento`, as a played card reads there.
void poner_en_mesa(Mesa& m, int asiento, int codigo);
// Clear the trick table to " ", "0", " ".
void limpiar_mesa(Mesa& m);
// Turn up `codigo` as trump.
void poner_pinta(Mesa& m, int codigo);

} // namespace quimbel::prueba
