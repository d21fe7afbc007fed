// SPDX-License-Identifier: GPL-3.0-or-later
#include "handlers/human_play.h"

#include "core/obligations.h"
#include "core/platform.h"
#include "handlers/turn.h"

namespace quimbel {

void yo_Click(Mesa& m, int ranura) {
    assert(es_ranura(ranura) && m.manos[yo][ranura].visible);

    Imagen& carta = m.manos[yo][ranura];
    const Carta partida = separar_carta(carta.tag);
    m.palo[yo] = partida.palo;
    m.valor[yo] = partida.rango;
    m.tag[yo] = carta.tag;

    // A refused card stays in hand and the hand stays clickable; only row 4 of
    // the trick table keeps it, until the next click writes over it.
    if (const std::string_view motivo = revisar_jugada(m, carta.tag); !motivo.empty()) {
        m.plataforma->mensaje(motivo);
        return;
    }

    carta.visible = false;
    m.centro[yo].dibujo = carta.dibujo;
    quitar_carta_yo(m);
    m.centro[yo].visible = true;
    m.plataforma->carta_puesta(yo, m.tag[yo]);
    m.registro.anotar(yo, m.tag[yo], ranura);

    m.Label3 = m.quien_sale;

    // Locked before the seats after him pause to put their cards down, so that
    // no second card can be played into this trick.
    m.juega_yo = false;

    switch (m.quien_sale) {
    case derecha: break; // the human played fourth
    case arriba: seguir_y_echar(m, derecha); break;
    case izquierda:
        seguir_y_echar(m, derecha);
        seguir_y_echar(m, arriba);
        break;
    default: // the human led
        m.la_salida = m.palo[yo];
        contar_salida(m);
        seguir_y_echar(m, derecha);
        seguir_y_echar(m, arriba);
        seguir_y_echar(m, izquierda);
        break;
    }

    m.puede_recoger = true;
}

void quitar_carta_yo(Mesa& m) {
    const int palo = palo_o_bastos(m.palo[yo]);
    const int codigo = codigo_de(palo, m.valor[yo]);
    // The arrays are a set of codes once the hand is grouped: the card is
    // found by its code, and the human's set says where it lies.
    if (!m.en_mano[yo].tiene(codigo)) return;
    m.cartas[yo][palo][m.en_mano[yo].hueco[codigo]] = 0;
    m.en_mano[yo].quitar(codigo);
}

} // namespace quimbel
