// SPDX-License-Identifier: GPL-3.0-or-later
// The tute: four Caballos or four Reyes in one hand win two games at once and
// end the deal.
#include "scoring/tute.h"

#include "scoring/points.h"
#include "scoring/showing.h"

namespace quimbel {

namespace {

void declarar_tute(Mesa& m, int asiento, Anuncio a) {
    m.puede_jugar = false;
    // barajar stays disabled while the bubble is up: a new deal started during
    // the pause would be overwritten by the rest of this collection.
    mostrar_anuncio(m, a);

    m.cuenta(equipo_de(asiento)).juegos += juegos_por_tute;
    m.tute_cantado = SiNo::si;

    // The backs come off: the rest of the hand, the four cards of the tute
    // among them, lies face up under them. The human's cards are face up anyway.
    if (asiento != yo) m.destapado[asiento] = true;

    m.puede_barajar = true;
}

} // namespace

bool tute_con(Mesa& m, int asiento, Conjunto mano) {
    // A hand with all four Caballos and all four Reyes declares the Caballos.
    if (contiene_todas(mano, los_cuatro(rango_caballo))) {
        declarar_tute(m, asiento, anuncio_tute_caballos(asiento));
        return true;
    }
    if (contiene_todas(mano, los_cuatro(rango_rey))) {
        declarar_tute(m, asiento, anuncio_tute_reyes(asiento));
        return true;
    }
    return false;
}

} // namespace quimbel
