// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/seat_play.h"

#include "core/pauses.h"

namespace quimbel {

void echar_carta(Mesa& m, int asiento, int ranura) {
    assert(es_maquina(asiento) && es_ranura(ranura) && m.en_mano_en(asiento, ranura));
    pausa_corta(m);
    const int codigo = m.en_hueco[asiento][ranura];
    m.en_mano[asiento].quitar(codigo);
    m.centro[asiento].dibujo = naipe_de_codigo(codigo);
    m.centro[asiento].visible = true;
    m.registro.anotar(asiento, codigo, ranura);

    m.tag[asiento] = codigo;
    m.valor[asiento] = rango_de_codigo(codigo);
    m.palo[asiento] = palo_de_codigo(codigo);
    // The card is on the table: the notice comes last, when all of it is written.
    m.plataforma->carta_puesta(asiento, codigo);
}

} // namespace quimbel
