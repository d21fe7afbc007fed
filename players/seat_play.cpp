// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/seat_play.h"

#include "core/pauses.h"

namespace quimbel {

namespace {

// anotar_palo_<seat>: clear `ranura` from the seat's suit arrays and write
// its suit on the trick table. The last step of echar_carta.
void anotar_palo(Mesa& m, int asiento, int ranura) {
    // A slot's suit number outside 1..3 is taken as bastos.
    const int palo = palo_o_bastos(m.palos[asiento][ranura]);
    int& entrada = m.cartas[asiento][palo][ranura];
    const int codigo = entrada;
    entrada = 0;
    m.palo[asiento] = palo;
    if (codigo != 0) m.en_mano[asiento].quitar(codigo);
}

} // namespace

void echar_carta(Mesa& m, int asiento, int ranura) {
    assert(es_maquina(asiento) && es_ranura(ranura) && m.manos[asiento][ranura].visible);
    pausa_corta(m);
    Imagen& mano = m.manos[asiento][ranura];
    const int codigo = mano.tag;
    mano.visible = false;
    m.tapas[asiento][ranura].visible = false;
    m.centro[asiento].dibujo = mano.dibujo;
    m.centro[asiento].visible = true;
    m.registro.anotar(asiento, codigo, ranura);

    m.tag[asiento] = codigo;
    m.valor[asiento] = rango_de_codigo(codigo);
    anotar_palo(m, asiento, ranura);
    // The card is on the table: the notice comes last, when all of it is written.
    m.plataforma->carta_puesta(asiento, codigo);
}

} // namespace quimbel
