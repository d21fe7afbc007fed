// What the human may play to a trick a computer seat has led: follow suit and
// beat the table when he can (unless the trick is trumped); without the suit,
// trump, and over-trump when he can. No exception when his partner is winning.
#include "core/human_play.h"

#include "core/platform.h"
#include "core/texts.h"

namespace quimbel {

namespace {

void rechazar(Mesa& m, std::string_view mensaje) {
    m.plataforma->mensaje(mensaje);
    m.carta_rechazada = 1;
}

// Whether the human holds a card of the suit, by the scan the game has always
// made: carta_elegida tells, indice stops at the card found.
bool tiene_palo(Mesa& m, int palo) {
    m.carta_elegida = SiNo::no;
    for (m.indice = 1; m.indice <= 10; ++m.indice) {
        if (m.cartas[yo][palo][m.indice] != 0) {
            m.carta_elegida = SiNo::si;
            break;
        }
    }
    return m.carta_elegida == SiNo::si;
}

// Whether the human holds a card of the suit ranked above `rango`.
bool tiene_mas_alta(const Mesa& m, int palo, int rango) {
    for (int i = 1; i <= 10; ++i) {
        const int codigo = m.cartas[yo][palo][i];
        if (codigo != 0 && codigo - 10 * (palo - 1) > rango) return true;
    }
    return false;
}

// The table is the cards of the seats that played before the human: from the
// leader up to izquierda. The highest rank order of the suit there, 0 when the
// suit is not on the table.
int mas_alta_en_mesa(const Mesa& m, int lider, int palo) {
    int alta = 0;
    for (int k = lider; k <= izquierda; ++k)
        if (m.palo[k] == palo && m.valor[k] > alta) alta = m.valor[k];
    return alta;
}

bool en_mesa(const Mesa& m, int lider, int palo) {
    for (int k = lider; k <= izquierda; ++k)
        if (m.palo[k] == palo) return true;
    return false;
}

} // namespace

void revisar(Mesa& m, int salida, int lider) {
    const int pinta = m.la_pinta;
    const int palo = m.palo[yo];
    const int rango = m.valor[yo];

    if (tiene_palo(m, salida)) {
        if (palo != salida) return rechazar(m, texto::echar[salida]);
        // A trumped trick need not be beaten in the led suit.
        if (salida != pinta && en_mesa(m, lider, pinta)) return;
        const int alta = mas_alta_en_mesa(m, lider, salida);
        if (rango > alta) return;
        if (tiene_mas_alta(m, salida, alta)) rechazar(m, texto::subir[salida]);
        return;
    }

    // Without the led suit: trump, if he has any. With trump led he has none.
    if (pinta == salida || !tiene_palo(m, pinta)) return;
    if (!en_mesa(m, lider, pinta)) {
        if (palo == pinta) return;
        // Playing second he is told to trump; later, which suit to trump with.
        return rechazar(m, lider == izquierda ? texto::echar_pinta : texto::echar[pinta]);
    }
    // Trumps are down: he must over-trump when he can, else anything goes.
    const int alta = mas_alta_en_mesa(m, lider, pinta);
    if (!tiene_mas_alta(m, pinta, alta)) return;
    if (palo != pinta) return rechazar(m, texto::echar[pinta]);
    if (rango <= alta) rechazar(m, texto::subir[pinta]);
}

} // namespace quimbel
