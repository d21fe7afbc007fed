// The tute: four Caballos or four Reyes in one hand win two games at once and
// end the deal.
#include "scoring/declarations.h"

#include "core/hand_mask.h"
#include "scoring/showing.h"
#include "scoring/tute.h"

namespace quimbel {

namespace {

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

void tute_con(Mesa& m, int asiento, ManoBits mano) {
    // A hand with all four Caballos and all four Reyes declares the Caballos.
    if (tiene_los_cuatro(mano, rango_caballo))
        declarar_tute(m, asiento, anuncio_tute_caballos(asiento));
    else if (m.cante_hecho == SiNo::no && tiene_los_cuatro(mano, rango_rey))
        declarar_tute(m, asiento, anuncio_tute_reyes(asiento));
}

void tute(Mesa& m, int asiento) { tute_con(m, asiento, mascara_mano(m, asiento)); }

} // namespace quimbel
