// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/headless_table.h"

#include "core/hand_slots.h"

namespace quimbel::prueba {

void vaciar_manos(Mesa& m) {
    for (int asiento = 1; asiento <= 4; ++asiento) {
        m.en_mano.vaciar(asiento);
        for (unsigned char& codigo : m.en_hueco[asiento]) codigo = 0;
    }
}

void dar_mano(Mesa& m, int asiento, const std::vector<int>& codigos) {
    for (int i = 1; i <= 10; ++i) retirar_carta(m, asiento, i);
    int i = 1;
    for (int codigo : codigos) colocar_carta(m, asiento, i++, codigo);
}

void poner_en_mesa(Mesa& m, int asiento, int codigo) {
    m.en_baza[asiento] = static_cast<unsigned char>(codigo);
    m.en_mesa[asiento] = true;
}

void limpiar_mesa(Mesa& m) {
    for (int k = 1; k <= 4; ++k) {
        m.en_baza[k] = 0;
        m.en_mesa[k] = false;
    }
}

void poner_pinta(Mesa& m, int codigo) {
    m.carta_de_pinta = static_cast<unsigned char>(codigo);
    m.pinta_a_la_vista = true;
    m.la_pinta = static_cast<unsigned char>(palo_de_codigo(codigo));
}

} // namespace quimbel::prueba
