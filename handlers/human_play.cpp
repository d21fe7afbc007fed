#include "core/human_play.h"

#include "core/deal.h"
#include "core/platform.h"
#include "core/turn.h"
#include "players/follow.h"

namespace quimbel {

void yo_Click(Mesa& m, int index) {
    m.carta_rechazada = 0;

    Imagen& carta = m.manos[yo][index];
    m.valor_carta = carta.tag;
    separar_carta(m);
    m.palo[yo] = m.palo_carta;
    m.valor[yo] = m.valor_carta;
    m.tag[yo] = carta.tag;

    revisar_jugada(m);
    // A refused card stays in hand and the hand stays clickable; only row 4 of
    // the trick table keeps it, until the next click writes over it.
    if (m.carta_rechazada != 0) return;

    carta.visible = false;
    m.centro[yo].dibujo = carta.dibujo;
    quitar_carta_yo(m);
    m.centro[yo].visible = true;
    m.plataforma->carta_puesta(yo, m.tag[yo]);

    static constexpr std::string_view asientos[5] = {"0", "1", "2", "3", "4"};
    if (m.quien_sale >= 1 && m.quien_sale <= 4)
        m.Label3.caption = asientos[m.quien_sale];
    else
        escribir_numero(m.Label3, m.quien_sale);

    // Locked before the seats after him pause to put their cards down, so that
    // no second card can be played into this trick.
    for (m.indice = 1; m.indice <= 10; ++m.indice) m.manos[yo][m.indice].enabled = false;

    switch (m.quien_sale) {
    case derecha: break; // the human played fourth
    case arriba: seguir(m, derecha); break;
    case izquierda:
        seguir(m, derecha);
        seguir(m, arriba);
        break;
    default: // the human led
        m.la_salida = m.palo[yo];
        contar_salida(m);
        seguir(m, derecha);
        seguir(m, arriba);
        seguir(m, izquierda);
        break;
    }

    m.recoger.enabled = true;
}

void revisar_jugada(Mesa& m) {
    const int lider = m.quien_sale;
    // A card that leads is never refused.
    if (lider < derecha || lider > izquierda) return;
    const int salida = m.palo[lider];
    revisar(m, (salida >= oros && salida <= espadas) ? salida : bastos, lider);
}

void quitar_carta_yo(Mesa& m) {
    const int palo = (m.palo[yo] >= oros && m.palo[yo] <= espadas) ? m.palo[yo] : bastos;
    const int codigo = m.valor[yo] + 10 * (palo - 1);
    // The arrays are a set of codes once the hand is grouped: search by code.
    for (m.indice = 1; m.indice <= 10; ++m.indice) {
        if (m.cartas[yo][palo][m.indice] == codigo) {
            m.cartas[yo][palo][m.indice] = 0;
            break;
        }
    }
}

} // namespace quimbel
