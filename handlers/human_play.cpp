// SPDX-License-Identifier: GPL-3.0-or-later
#include "handlers/human_play.h"

#include "core/obligations.h"
#include "core/platform.h"
#include "handlers/turn.h"

namespace quimbel {

void yo_Click(Mesa& m, int ranura) {
    assert(es_ranura(ranura) && m.en_mano_en(yo, ranura));

    const int codigo = m.en_hueco[yo][ranura];
    m.en_baza[yo] = static_cast<unsigned char>(codigo);

    // A refused card stays in hand and the hand stays clickable; only row 4 of
    // the trick table keeps it, until the next click writes over it. The set
    // of accepted cards decides; the words of the refusal are looked up only
    // for a card it refuses.
    if (!contiene(cartas_aceptadas(m), codigo)) {
        const std::string_view motivo = revisar_jugada(m, codigo);
        assert(!motivo.empty());
        m.plataforma->mensaje(motivo);
        return;
    }

    m.en_mano.quitar(yo, codigo);
    m.en_mesa[yo] = true;
    m.plataforma->carta_puesta(yo, codigo);
    m.registro.anotar(yo, codigo, ranura);

    m.lider_de_mi_baza = m.quien_sale;

    // Locked before the seats after him pause to put their cards down, so that
    // no second card can be played into this trick.
    m.juega_yo = false;

    // The seats after him follow, from derecha up to the one before the
    // leader; when he led, all three, once his suit is counted as led.
    const bool lidero = !es_maquina(m.quien_sale);
    if (lidero) {
        m.la_salida = static_cast<unsigned char>(m.palo_en(yo));
        contar_salida(m);
    }
    const int hasta = lidero ? yo : m.quien_sale;
    for (int asiento = derecha; asiento < hasta; ++asiento) seguir_y_echar(m, Asiento{asiento});

    m.puede_recoger = true;
}

} // namespace quimbel
