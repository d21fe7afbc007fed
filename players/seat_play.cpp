#include "players/seat_play.h"

#include "core/deal.h"
#include "core/pauses.h"
#include "players/chain.h"

namespace quimbel {

namespace {

// The slot of the first card in `asiento`'s array for `palo` whose code lies
// in [desde, hasta], scanning slots 1..10; 0 when there is none.
int primera_entre(const Mesa& m, int palo, int asiento, int desde, int hasta) {
    // One unsigned comparison tells both bounds: below desde, the difference
    // wraps around to a large number.
    const int* codigos = &m.cartas[asiento][palo][1];
    const unsigned ancho = static_cast<unsigned>(hasta - desde);
    for (int i = 0; i < 10; ++i)
        if (static_cast<unsigned>(codigos[i] - desde) <= ancho) return i + 1;
    return 0;
}

// Play the first card of `palo` with a rank order in [desde, hasta]. indice is
// left as a scan in it leaves it: 11 when nothing matched, 12 once a card is
// played.
void elegir_entre(Mesa& m, int palo, int asiento, int desde, int hasta) {
    int i = primera_entre(m, palo, asiento, codigo_de(palo, desde), codigo_de(palo, hasta));
    if (i == 0) {
        m.indice = 11;
        return;
    }
    m.indice = i;
    echar_carta(m, asiento);
    m.carta_elegida = SiNo::si;
    m.indice = 12;
}

// izquierda leads the As of a suit only when its draw names that suit.
constexpr int sorteo_del_as_izquierda[5] = {0, 2, 1, 3, 2};

} // namespace

void echar_carta(Mesa& m, int asiento) {
    pausa_corta(m);
    // Taken after the pause, as the routine always has; nothing that may run
    // during the pause plays a card (the controls are disabled).
    const int i = m.indice;
    Imagen& mano = m.manos[asiento][i];
    mano.visible = false;
    if (asiento < yo) m.tapas[asiento][i].visible = false;
    m.centro[asiento].dibujo = mano.dibujo;
    m.centro[asiento].visible = true;
    m.plataforma->carta_puesta(asiento, mano.tag);
    m.registro.anotar(asiento, mano.tag, i);

    m.tag[asiento] = mano.tag;
    m.valor_carta = mano.tag;
    separar_carta(m);
    m.valor[asiento] = m.valor_carta;
    anotar_palo(m, asiento);
}

void anotar_palo(Mesa& m, int asiento) {
    // A slot's suit number outside 1..3 is taken as bastos.
    int palo = palo_o_bastos(m.palos[asiento][m.indice]);
    m.cartas[asiento][palo][m.indice] = 0;
    m.palo[asiento] = palo;
}

void baja(Mesa& m, int palo, int asiento) {
    m.carta_elegida = SiNo::no;
    // izquierda draws on every call, leading or not, so that the draws of a
    // deal follow its calls exactly.
    bool as_permitido = true;
    if (asiento == izquierda) {
        m.sorteo = sortear(m, 3);
        as_permitido = m.sorteo == sorteo_del_as_izquierda[palo];
    }
    if (m.quien_sale == asiento) {
        // The leader tries the As of the suit first, then its Tres when the suit
        // has been led exactly once before.
        if (as_permitido) as(m, palo, asiento);
        if (!elegida(m) && m.salidas[palo] == 1) tres(m, palo, asiento);
    }
    if (!elegida(m)) elegir_entre(m, palo, asiento, rango_dos, rango_sota);
}

void caballo_rey(Mesa& m, int palo, int asiento) {
    elegir_entre(m, palo, asiento, rango_caballo, rango_rey);
}

void tres(Mesa& m, int palo, int asiento) { elegir_entre(m, palo, asiento, rango_tres, rango_tres); }

void as(Mesa& m, int palo, int asiento) { elegir_entre(m, palo, asiento, rango_as, rango_as); }

void echar_as(Mesa& m, int asiento) {
    m.carta_elegida = SiNo::no;
    for (m.indice = 1; m.indice <= 10; ++m.indice) {
        for (int palo = oros; palo <= bastos; ++palo) {
            if (m.cartas[asiento][palo][m.indice] == codigo_de(palo, rango_as)) {
                m.carta_elegida = SiNo::si;
                echar_carta(m, asiento);
                m.indice = 12;
                return;
            }
        }
    }
}

} // namespace quimbel
