// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/deal.h"

#include "core/pauses.h"
#include "core/texts.h"

namespace quimbel {

void Form_Load(Mesa& m) {
    m.nosotros = m.ellos = Cuenta{};
    // The human leads the first deal two times in five, each computer seat once.
    const int sorteo = sortear(m, 5);
    m.quien_sale = sorteo <= izquierda ? sorteo : yo;
    // The first deal moves the leader on by one seat, back to the drawn one.
    // Before derecha this leaves 0, which the deal reads as the seat before it.
    m.turno_mano = m.quien_sale - 1;
    m.pinta_a_la_vista = false;
    pausa_corta(m);
}

void barajar_Click(Mesa& m) {
    assert(m.turno_mano == 0 || es_asiento(m.turno_mano));
    m.turno_mano = m.turno_mano == 0 ? derecha : siguiente_asiento(m.turno_mano);
    m.quien_sale = m.turno_mano;

    // The leader's mark shows from the first deal on, by the deal's first leader.
    m.hubo_reparto = true;

    m.tute_cantado = SiNo::no;
    m.baza_numero = 1;
    m.registro = {};
    for (int palo = oros; palo <= bastos; ++palo) m.salidas[palo] = 0;

    // Disabled before the first pause: while the cards are dealt only SALIR acts.
    m.nueva_partida = false;
    m.puede_barajar = false;

    m.nosotros.tanteo = m.ellos.tanteo = 0;
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int palo = oros; palo <= bastos; ++palo) m.cantado[asiento][palo] = 0;

    ocultar_manos(m);
    // The shuffle fills positions 1..40; position 0 is unused.
    int baraja[por_carta];
    baraja[0] = 0;
    barajar_cartas(m, baraja);
    repartir(m, baraja);

    m.nombre_de_salida = NombreDeSalida::del_reparto;
    m.ofrece_agrupar = true;
}

void ocultar_manos(Mesa& m) {
    // The slots keep the last deal's cards, hidden, until new ones are dealt.
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        m.en_mano.vaciar(asiento);
        m.destapado[asiento] = false;
    }
}

void barajar_cartas(Mesa& m, int (&baraja)[por_carta]) {
    // Draw after draw, the reseed before each, the rejected ones included:
    // see llenar_baraja.
    m.azar->barajar(baraja);
    m.pinta_a_la_vista = false;
}

void repartir(Mesa& m, const int (&baraja)[por_carta]) {
    assert(es_asiento(m.quien_sale));
    // One card to each seat in turn from the leader, ten rounds.
    int posicion = 1;
    for (int vuelta = 1; vuelta <= cartas_por_mano; ++vuelta) {
        int asiento = m.quien_sale;
        for (int n = 0; n < num_asientos; ++n) {
            dar_carta(m, Asiento{asiento}, vuelta, naipe_codigo(baraja[posicion++]));
            asiento = siguiente_asiento(asiento);
        }
    }
    // The dealer, the seat before the leader, turns up its last card. The card
    // stays in its hand: the last card of the deck, dealt into its tenth slot.
    const int ultima = naipe_codigo(baraja[num_cartas]);
    assert(ultima == m.en_hueco[asiento_anterior(m.quien_sale)][cartas_por_mano]);
    m.carta_de_pinta = static_cast<unsigned char>(ultima);
    m.la_pinta = static_cast<unsigned char>(palo_de_codigo(ultima));
    m.pinta_a_la_vista = true;
}

void dar_carta(Mesa& m, Asiento asiento, int vuelta, int codigo) {
    assert(es_asiento(asiento) && es_ranura(vuelta) && es_codigo(codigo));
    pausa_corta(m);
    m.en_hueco[asiento][vuelta] = static_cast<unsigned char>(codigo);
    m.en_mano.poner(asiento, codigo, vuelta);
}

} // namespace quimbel
