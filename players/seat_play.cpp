// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/seat_play.h"

#include "core/pauses.h"
#include "players/chain.h"

namespace quimbel {

namespace {

// Play the first card of `palo` with a rank order in [desde, hasta].
void elegir_entre(Mesa& m, int palo, int asiento, int desde, int hasta) {
    jugar_primera_de(m, asiento, cartas_entre(palo, desde, hasta));
}

// izquierda leads the As of a suit only when its draw names that suit.
constexpr int sorteo_del_as_izquierda[por_palo] = {0, 2, 1, 3, 2};

void comprobar(int palo, int asiento) {
    assert(es_palo(palo) && es_maquina(asiento));
    (void)palo, (void)asiento;
}

} // namespace

void echar_carta(Mesa& m, int asiento, int ranura) {
    assert(es_maquina(asiento) && es_ranura(ranura) && m.manos[asiento][ranura].visible);
    pausa_corta(m);
    Imagen& mano = m.manos[asiento][ranura];
    mano.visible = false;
    m.tapas[asiento][ranura].visible = false;
    m.centro[asiento].dibujo = mano.dibujo;
    m.centro[asiento].visible = true;
    m.plataforma->carta_puesta(asiento, mano.tag);
    m.registro.anotar(asiento, mano.tag, ranura);

    m.tag[asiento] = mano.tag;
    m.valor[asiento] = separar_carta(mano.tag).rango;
    anotar_palo(m, asiento, ranura);
}

void anotar_palo(Mesa& m, int asiento, int ranura) {
    // A slot's suit number outside 1..3 is taken as bastos.
    const int palo = palo_o_bastos(m.palos[asiento][ranura]);
    int& entrada = m.cartas[asiento][palo][ranura];
    if (entrada != 0) m.en_mano[asiento].quitar(entrada);
    entrada = 0;
    m.palo[asiento] = palo;
}

void baja(Mesa& m, int palo, int asiento) {
    comprobar(palo, asiento);
    m.carta_elegida = SiNo::no;
    // izquierda draws on every call, leading or not, so that the draws of a
    // deal follow its calls exactly.
    bool as_permitido = true;
    if (asiento == izquierda) as_permitido = sortear(m, 3) == sorteo_del_as_izquierda[palo];
    if (m.quien_sale == asiento) {
        // The leader tries the As of the suit first, then its Tres when the suit
        // has been led exactly once before.
        if (as_permitido) as(m, palo, asiento);
        if (!elegida(m) && m.salidas[palo] == 1) tres(m, palo, asiento);
    }
    if (!elegida(m)) elegir_entre(m, palo, asiento, rango_dos, rango_sota);
}

void caballo_rey(Mesa& m, int palo, int asiento) {
    comprobar(palo, asiento);
    elegir_entre(m, palo, asiento, rango_caballo, rango_rey);
}

void tres(Mesa& m, int palo, int asiento) {
    comprobar(palo, asiento);
    elegir_entre(m, palo, asiento, rango_tres, rango_tres);
}

void as(Mesa& m, int palo, int asiento) {
    comprobar(palo, asiento);
    elegir_entre(m, palo, asiento, rango_as, rango_as);
}

void echar_as(Mesa& m, int asiento) {
    assert(es_maquina(asiento));
    m.carta_elegida = SiNo::no;
    constexpr Conjunto ases = los_cuatro(rango_as);
    jugar_primera_de(m, asiento, ases);
}

void jugar_primera_de(Mesa& m, int asiento, Conjunto buscadas) {
    const int i = m.en_mano[asiento].primer_hueco(buscadas);
    if (i == 0) return;
    echar_carta(m, asiento, i);
    m.carta_elegida = SiNo::si;
}

} // namespace quimbel
