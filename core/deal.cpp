#include "core/deal.h"

#include "core/pauses.h"
#include "core/texts.h"

namespace quimbel {

void separar_carta(Mesa& m) {
    m.palo_carta = palo_de_codigo(m.valor_carta);
    m.valor_carta = rango_de_codigo(m.valor_carta);
}

void Form_Load(Mesa& m) {
    for (Etiqueta* e : {&m.tanteo_nosotros, &m.tanteo_ellos, &m.juegos_nosotros, &m.juegos_ellos})
        e->caption = texto::cero;
    // The human leads the first deal two times in five, each computer seat once.
    m.sorteo = sortear(m, 5);
    m.quien_sale = m.sorteo <= 3 ? m.sorteo : yo;
    // The first deal moves the leader on by one seat, back to the drawn one.
    m.turno_mano = m.quien_sale - 1;
    m.pinta.visible = false;
    m.shape4_visible = false;
    m.label2_visible = false;
    pausa_corta(m);
}

void barajar_Click(Mesa& m) {
    m.turno_mano = m.turno_mano + 1 > 4 ? 1 : m.turno_mano + 1;
    m.quien_sale = m.turno_mano;

    // Only the previous leader's marker is hidden: one marker shows at a time.
    int anterior = m.turno_mano == 1 ? 4 : m.turno_mano - 1;
    m.mano_marcador[anterior] = false;
    m.mano_marcador[m.turno_mano] = true;

    m.tute_cantado = SiNo::no;
    m.baza_numero = 1;
    m.registro = {};
    for (int palo = oros; palo <= bastos; ++palo) m.salidas[palo] = 0;

    // Disabled before the first pause: while the cards are dealt only SALIR acts.
    m.barajar.caption = texto::barajar_y_repartir;
    m.barajar.enabled = false;

    m.tanteo_nosotros.caption = texto::cero;
    m.tanteo_ellos.caption = texto::cero;
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int palo = oros; palo <= bastos; ++palo) m.cantado[asiento][palo] = 0;

    for (m.indice = 1; m.indice <= 10; ++m.indice)
        for (int asiento = derecha; asiento <= yo; ++asiento)
            for (int palo = oros; palo <= bastos; ++palo) m.cartas[asiento][palo][m.indice] = 0;

    ocultar_manos(m);
    barajar_cartas(m);
    repartir(m);

    switch (m.quien_sale) {
    case derecha: m.jugando.caption = texto::sale_derecha; break;
    case arriba: m.jugando.caption = texto::sale_arriba; break;
    case izquierda: m.jugando.caption = texto::sale_izquierdo; break;
    default: m.jugando.caption = texto::salgo_yo; break;
    }
    m.ordenamelas.visible = true;
}

void ocultar_manos(Mesa& m) {
    for (m.indice = 1; m.indice <= 10; ++m.indice) {
        for (int asiento = derecha; asiento <= izquierda; ++asiento) {
            m.manos[asiento][m.indice].visible = false;
            m.tapas[asiento][m.indice].visible = false;
        }
        m.manos[yo][m.indice].visible = false;
    }
}

void barajar_cartas(Mesa& m) {
    for (m.indice = 1; m.indice <= 40; ++m.indice) m.baraja[m.indice] = 0;
    // Which picture indexes are already in the deck: the same answer as a scan
    // of the deck for the drawn number, without the forty comparisons.
    bool en_baraja[41] = {};
    m.indice = 1;
    while (m.indice < 41) {
        // The reseed comes before every draw, the rejected ones included.
        m.sorteo = sortear(m, 40);
        m.encontrado = en_baraja[m.sorteo] ? 1 : 0;
        if (m.encontrado == 0) {
            m.baraja[m.indice] = m.sorteo;
            en_baraja[m.sorteo] = true;
            ++m.indice;
        }
    }
    m.pinta.visible = false;
    m.shape4_visible = false;
    m.label2_visible = false;
}

void repartir(Mesa& m) {
    m.indice = 1;
    m.vuelta = 1;
    while (m.indice < 41) {
        int asiento = m.quien_sale;
        for (int n = 0; n < 4; ++n) {
            dar_carta(m, asiento);
            asiento = siguiente_asiento(asiento);
        }
        ++m.vuelta;
    }
    // The dealer, the seat before the leader, turns up its last card. The card
    // stays in its hand.
    int repartidor = m.quien_sale == 1 ? 4 : m.quien_sale - 1;
    const Imagen& ultima = m.manos[repartidor][10];
    m.pinta.dibujo = ultima.dibujo;
    m.pinta.tag = ultima.tag;
    m.indice = m.pinta.tag;
    m.la_pinta = palo_de_codigo(m.indice);
    m.pinta.visible = true;
    m.shape4_visible = true;
    m.label2_visible = true;
}

void dar_carta(Mesa& m, int asiento) {
    pausa_corta(m);
    Imagen& imagen = m.manos[asiento][m.vuelta];
    imagen.visible = true;
    const Imagen& naipe = m.naipes[m.baraja[m.indice]];
    imagen.dibujo = naipe.dibujo;
    imagen.tag = naipe.tag;
    int codigo = imagen.tag;
    int palo = palo_de_codigo(codigo);
    m.cartas[asiento][palo][m.vuelta] = codigo;
    m.palos[asiento][m.vuelta] = palo;
    if (asiento != yo) {
        Imagen& dorso = m.tapas[asiento][m.vuelta];
        dorso.visible = true;
        dorso.dibujo = m.tapa1.dibujo;
    }
    ++m.indice;
}

} // namespace quimbel
