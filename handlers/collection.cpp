// SPDX-License-Identifier: GPL-3.0-or-later
#include "handlers/collection.h"

#include "core/platform.h"
#include "core/texts.h"
#include "core/trick_winner.h"
#include "scoring/hand_end.h"

namespace quimbel {

void recoger_Click(Mesa& m) {
    assert(m.puede_recoger);
    // During the tenth collection this reads 11, which the scoring takes as
    // the end of the deal.
    ++m.baza_numero;
    for (int asiento = derecha; asiento <= yo; ++asiento) m.en_mesa[asiento] = false;
    // Disabled before the scoring's pauses: nothing may collect twice.
    m.puede_recoger = false;

    const Ganador gana = ganador_baza(m);
    assert(es_asiento(gana.asiento));
    m.plataforma->baza_evaluada(gana.asiento, gana.equipo);
    tantear_baza(m, gana.equipo);

    m.nota = nota_de_equipo(gana.equipo);
    m.ganador_ultima_baza = static_cast<unsigned char>(gana.asiento);

    // The trick table stays as it is until the next jugando_Click.
    m.nombre_de_salida = NombreDeSalida::de_la_baza;
    m.quien_sale = static_cast<unsigned char>(es_maquina(gana.asiento) ? gana.asiento : yo);

    if (m.tute_cantado != SiNo::si && m.baza_numero <= bazas_por_reparto)
        m.puede_jugar = true;
    else
        m.puede_barajar = true;
}

} // namespace quimbel
