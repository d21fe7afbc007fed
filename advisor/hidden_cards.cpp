// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/hidden_cards.h"

namespace quimbel::consejo {

Incognitas::Incognitas(const Conocimiento& k) {
    bool vista[41] = {}; // the cards the human knows where they are
    for (int i = 1; i <= 10; ++i) vista[k.mano_yo[i]] = true;
    const RegistroPublico& r = k.registro;
    for (int n = 0; n < r.cuantas; ++n) {
        const Jugada& j = r.jugadas[n];
        vista[j.codigo] = true;
        if (j.asiento != yo) conocido_.codigo[j.asiento][j.hueco] = j.codigo;
    }
    // The turned-up card is the dealer's tenth, and stays there until played.
    const int repartidor = k.repartidor();
    if (repartidor != yo && !vista[k.pinta]) conocido_.codigo[repartidor][10] = k.pinta;
    vista[k.pinta] = true;

    // Voids shown by each trick: a seat that did not follow the suit led has
    // none of it; on a lead that is not trump with no trump down before it, it
    // has no trump either, or its chain would have trumped.
    const int triunfo = k.la_pinta();
    for (int inicio = 0; inicio < r.cuantas; inicio += 4) {
        const int salida = palo_de_codigo(r.jugadas[inicio].codigo);
        bool fallada = false;
        for (int n = inicio + 1; n < inicio + 4 && n < r.cuantas; ++n) {
            const Jugada& j = r.jugadas[n];
            const int palo = palo_de_codigo(j.codigo);
            if (j.asiento != yo && palo != salida) {
                sin_palo_[j.asiento] |= 1u << salida;
                if (salida != triunfo && !fallada && palo != triunfo)
                    sin_palo_[j.asiento] |= 1u << triunfo;
            }
            if (palo == triunfo && salida != triunfo) fallada = true;
        }
    }

    // A declared pair was in the seat's hand: what of it is unseen is there still.
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int palo = oros; palo <= bastos; ++palo) {
            if (!k.cantado[asiento][palo]) continue;
            for (int rango : {rango_caballo, rango_rey}) {
                const int codigo = codigo_de(palo, rango);
                if (vista[codigo]) continue;
                vista[codigo] = true;
                forzadas_[asiento][num_forzadas_[asiento]++] = codigo;
            }
        }

    for (int codigo = 1; codigo <= 40; ++codigo)
        if (!vista[codigo]) ocultas_[num_ocultas_++] = codigo;
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int i = 1; i <= 10; ++i)
            if (conocido_.codigo[asiento][i] == 0) libres_[asiento][num_libres_[asiento]++] = i;
}

bool Incognitas::sortear(Dado& dado, Mundo& mundo) const {
    // Which cards go to which seat: the forced ones first, then the others in
    // a random order, each to a seat that may hold its suit, with a chance in
    // proportion to the room left there.
    int reparto[4][10];
    int cuenta[4] = {};
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int n = 0; n < num_forzadas_[asiento]; ++n) {
            if (cuenta[asiento] == num_libres_[asiento]) return false;
            reparto[asiento][cuenta[asiento]++] = forzadas_[asiento][n];
        }
    int orden[40];
    for (int n = 0; n < num_ocultas_; ++n) {
        const int otro = dado.hasta(n + 1);
        orden[n] = orden[otro];
        orden[otro] = ocultas_[n];
    }
    for (int n = 0; n < num_ocultas_; ++n) {
        const int codigo = orden[n];
        const unsigned bit = 1u << palo_de_codigo(codigo);
        int sitio[4] = {};
        int total = 0;
        for (int asiento = derecha; asiento <= izquierda; ++asiento) {
            if (sin_palo_[asiento] & bit) continue;
            sitio[asiento] = num_libres_[asiento] - cuenta[asiento];
            total += sitio[asiento];
        }
        if (total == 0) return false;
        int tirada = dado.hasta(total);
        int asiento = derecha;
        while (tirada >= sitio[asiento]) tirada -= sitio[asiento++];
        reparto[asiento][cuenta[asiento]++] = codigo;
    }
    // Within a seat, any card may be in any of its unknown slots.
    mundo = conocido_;
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        int* cartas = reparto[asiento];
        for (int n = cuenta[asiento] - 1; n > 0; --n) {
            const int otro = dado.hasta(n + 1);
            const int c = cartas[n];
            cartas[n] = cartas[otro];
            cartas[otro] = c;
        }
        for (int n = 0; n < cuenta[asiento]; ++n)
            mundo.codigo[asiento][libres_[asiento][n]] = cartas[n];
    }
    return true;
}

} // namespace quimbel::consejo
