// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/seat_play.h"

#include "core/pauses.h"

namespace quimbel {

void echar_carta(Mesa& m, Asiento asiento, int ranura) {
    assert(es_maquina(asiento) && es_ranura(ranura) && m.en_mano_en(asiento, ranura));
    pausa_corta(m);
    const int codigo = m.en_hueco[asiento][ranura];
    m.en_mano.quitar(asiento, codigo);
    m.en_baza[asiento] = static_cast<unsigned char>(codigo);
    m.en_mesa[asiento] = true;
    m.registro.anotar(asiento, codigo, ranura);
    // The card is on the table: the notice comes last, when all of it is written.
    m.plataforma->carta_puesta(asiento, codigo);
}

} // namespace quimbel
