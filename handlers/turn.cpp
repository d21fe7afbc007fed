// SPDX-License-Identifier: GPL-3.0-or-later
#include "handlers/turn.h"

#include "core/platform.h"
#include "core/texts.h"
#include "players/follow.h"
#include "players/lead.h"
#include "players/seat_play.h"

namespace quimbel {

namespace {

// A leader that still shows all ten cards has not played in this deal.
bool mano_entera(const Mesa& m, int asiento) {
    return cuantas(m.en_mano[asiento].cartas) == cartas_por_mano;
}

} // namespace

void jugando_Click(Mesa& m) {
    assert(es_asiento(m.quien_sale) && es_palo(m.la_pinta));
    // Before any pause: AGRUPAR is gone for this deal and the button cannot be
    // pressed again while the computer seats put their cards down.
    m.ofrece_agrupar = false;
    m.puede_jugar = false;

    for (int k = derecha; k <= yo; ++k) {
        m.en_mesa[k] = false;
        m.en_baza[k] = 0; // the trick table's " ", "0", " "
    }

    if (es_maquina(m.quien_sale)) {
        const Asiento lider{m.quien_sale};
        // The first trick of the deal opens with an As when the leader has one.
        int ranura = mano_entera(m, lider) ? echar_as(m, lider) : 0;
        if (ranura == 0) {
            const Salida s = salida(m, *m.azar, lider);
            m.nota = s.contra_palo != 0 ? nota_cantan(s.contra_palo) : Nota::salir_x_mala;
            ranura = s.ranura;
        }
        if (ranura != 0) echar_carta(m, lider, ranura);
        m.la_salida = static_cast<unsigned char>(m.palo_en(lider));
        contar_salida(m);

        // The seats between the leader and the human.
        for (int asiento = siguiente_asiento(lider); asiento != yo;
             asiento = siguiente_asiento(asiento))
            seguir_y_echar(m, Asiento{asiento});
    }
    // The human's cards become clickable only after the last computer card.
    habilitar_mis_cartas(m);
}

// Flattened: the follow's chains whole, the rarer branches too, in one
// function.
[[gnu::flatten]] void seguir_y_echar(Mesa& m, Asiento asiento) {
    if (const int ranura = seguir(m, *m.azar, asiento)) echar_carta(m, asiento, ranura);
}

void habilitar_mis_cartas(Mesa& m) {
    m.juega_yo = true;
}

void contar_salida(Mesa& m) {
    ++m.salidas[palo_o_bastos(m.la_salida)];
}

void Command2_Click(Mesa& m) {
    m.plataforma->terminar();
}

} // namespace quimbel
