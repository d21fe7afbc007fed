// The tute: four Caballos or four Reyes in one hand win two games at once and
// end the deal.
#include "scoring/declarations.h"

#include "scoring/showing.h"

namespace quimbel {

namespace {

// How many of the seat's hand slots hold a card of this rank order, of any suit.
int cuenta_rango(const Mesa& m, int asiento, int rango) {
    int cuenta = 0;
    for (int i = 1; i <= 10; ++i) {
        bool tiene = false;
        for (int palo = oros; palo <= bastos; ++palo)
            if (m.cartas[asiento][palo][i] == codigo_de(palo, rango)) tiene = true;
        if (tiene) ++cuenta;
    }
    return cuenta;
}

void declarar_tute(Mesa& m, int asiento, Anuncio a) {
    m.jugando.enabled = false;
    // barajar stays disabled while the bubble is up: a new deal started during
    // the pause would be overwritten by the rest of this collection.
    mostrar_anuncio(m, a);

    Etiqueta& juegos = equipo_de(asiento) == Equipo::nosotros ? m.juegos_nosotros : m.juegos_ellos;
    escribir_numero(juegos, valor_numerico(juegos.caption) + 2);
    m.tute_cantado = SiNo::si;
    m.cante_hecho = SiNo::si;

    // The backs come off: the rest of the hand, the four cards of the tute
    // among them, lies face up under them. The human's cards are face up anyway.
    if (asiento != yo)
        for (int i = 1; i <= 10; ++i) m.tapas[asiento][i].visible = false;

    m.barajar.enabled = true;
}

} // namespace

void tute(Mesa& m, int asiento) {
    // A hand with all four Caballos and all four Reyes declares the Caballos.
    if (cuenta_rango(m, asiento, rango_caballo) == 4)
        declarar_tute(m, asiento, anuncio_tute_caballos(asiento));
    else if (m.cante_hecho == SiNo::no && cuenta_rango(m, asiento, rango_rey) == 4)
        declarar_tute(m, asiento, anuncio_tute_reyes(asiento));
}

} // namespace quimbel
