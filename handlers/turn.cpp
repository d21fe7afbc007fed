#include "core/turn.h"

#include "core/platform.h"
#include "players/follow.h"
#include "players/lead.h"
#include "players/seat_play.h"

namespace quimbel {

void jugando_Click(Mesa& m) {
    // Before any pause: AGRUPAR is gone for this deal and the button cannot be
    // pressed again while the computer seats put their cards down.
    m.ordenamelas.visible = false;
    m.jugando.enabled = false;

    m.centro[arriba].visible = false;
    m.centro[yo].visible = false;
    m.centro[izquierda].visible = false;
    m.centro[derecha].visible = false;

    for (int k = 1; k <= 4; ++k) {
        m.palo[k] = 0;  // " "
        m.valor[k] = 0; // "0"
        m.tag[k] = 0;   // " "
    }

    const int lider = m.quien_sale;
    if (lider >= derecha && lider <= izquierda) {
        // A leader that still shows all ten cards has not played in this deal:
        // this is the first trick, which opens with an As when it has one.
        m.encontrado = 0;
        for (m.indice = 1; m.indice <= 10; ++m.indice) {
            if (!m.manos[lider][m.indice].visible) {
                m.encontrado = 1;
                m.indice = 12;
                break;
            }
        }
        if (m.encontrado == 0) {
            echar_as(m, lider);
            if (m.carta_elegida == SiNo::no) salida(m, lider);
        } else {
            salida(m, lider);
        }
        m.la_salida = m.palo[lider];
        contar_salida(m);

        // The seats between the leader and the human.
        if (lider == derecha) {
            seguir(m, arriba);
            seguir(m, izquierda);
        } else if (lider == arriba) {
            seguir(m, izquierda);
        }
    }
    // The human's cards become clickable only after the last computer card.
    habilitar_mis_cartas(m);
}

void habilitar_mis_cartas(Mesa& m) {
    for (m.indice = 1; m.indice <= 10; ++m.indice) m.manos[yo][m.indice].enabled = true;
}

void contar_salida(Mesa& m) {
    switch (m.la_salida) {
    case oros: ++m.salidas[oros]; break;
    case copas: ++m.salidas[copas]; break;
    case espadas: ++m.salidas[espadas]; break;
    default: ++m.salidas[bastos]; break; // any other text counts as bastos
    }
}

void Command2_Click(Mesa& m) {
    m.plataforma->terminar();
}

} // namespace quimbel
