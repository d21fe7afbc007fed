// SPDX-License-Identifier: GPL-3.0-or-later
#include "handlers/collection.h"

#include "core/platform.h"
#include "core/texts.h"
#include "core/trick_winner.h"
#include "scoring/hand_end.h"

namespace quimbel {

void recoger_Click(Mesa& m) {
    assert(m.recoger.enabled);
    // During the tenth collection this reads 11, which the scoring takes as
    // the end of the deal.
    ++m.baza_numero;
    for (int asiento = derecha; asiento <= yo; ++asiento) m.centro[asiento].visible = false;
    // Disabled before the scoring's pauses: nothing may collect twice.
    m.recoger.enabled = false;

    decidir_baza(m);
    assert(es_asiento(m.gana_baza));
    m.plataforma->baza_evaluada(m.gana_baza, m.equipo_gana);
    tantear_baza(m);

    m.Label4.caption = texto_equipo(m.equipo_gana);
    m.label7 = m.gana_baza;

    // The trick table stays as it is until the next jugando_Click.
    switch (m.gana_baza) {
    case derecha: m.jugando.caption = texto::sale_derecha; break;
    case arriba: m.jugando.caption = texto::sale_arriba; break;
    case izquierda: m.jugando.caption = texto::sale_izquierda; break;
    default: m.jugando.caption = texto::salgo_yo; break;
    }
    m.quien_sale = es_maquina(m.gana_baza) ? m.gana_baza : yo;

    if (m.tute_cantado != SiNo::si && m.baza_numero <= bazas_por_reparto)
        m.jugando.enabled = true;
    else
        m.barajar.enabled = true;
}

} // namespace quimbel
