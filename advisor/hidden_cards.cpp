// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/hidden_cards.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace quimbel::consejo {

Incognitas::Incognitas(const Conocimiento& k) {
    bool vista[41] = {}; // the cards the human knows where they are
    for (int i = 1; i <= cartas_por_mano; ++i) vista[k.mano_yo[i]] = true;
    const RegistroPublico& r = k.registro;
    for (int n = 0; n < r.cuantas; ++n) {
        const Jugada& j = r.jugadas[n];
        vista[j.codigo] = true;
        if (j.asiento != yo) conocido_.codigo[j.asiento][j.hueco] = j.codigo;
    }
    // The turned-up card is the dealer's tenth, and stays there until played.
    const int repartidor = k.repartidor();
    if (repartidor != yo && !vista[k.pinta])
        conocido_.codigo[repartidor][cartas_por_mano] = k.pinta;
    vista[k.pinta] = true;

    // Voids shown by each trick: a seat that did not follow the suit led has
    // none of it; on a lead that is not trump with no trump down before it, it
    // has no trump either, or its chain would have trumped.
    const int triunfo = k.la_pinta();
    for (int inicio = 0; inicio < r.cuantas; inicio += num_asientos) {
        const int salida = palo_de_codigo(r.jugadas[inicio].codigo);
        bool fallada = false;
        for (int n = inicio + 1; n < inicio + num_asientos && n < r.cuantas; ++n) {
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

    for (int codigo = 1; codigo <= num_cartas; ++codigo)
        if (!vista[codigo]) {
            ocultas_[num_ocultas_++] = codigo;
            const int palo = palo_de_codigo(codigo);
            de_palo_[palo][num_de_palo_[palo]++] = codigo;
        }
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int i = 1; i <= cartas_por_mano; ++i)
            if (conocido_.codigo[asiento][i] == 0) libres_[asiento][num_libres_[asiento]++] = i;
    contar_maneras();
}

namespace {

// n! / (a! b! c!): the ways to split n distinct cards into groups of a, b, c.
double multinomial(int a, int b, int c) {
    double r = 1;
    int n = 0;
    for (int g : {a, b, c})
        for (int i = 1; i <= g; ++i) r = r * ++n / i;
    return r;
}

} // namespace

// maneras_[palo][a][b], from the last suit back: each suit's unseen cards
// split among the seats that may hold the suit, the rest filling the room
// left. The room of a seat is its unknown slots less its forced cards.
void Incognitas::contar_maneras() {
    int sitio[por_asiento] = {};
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        sitio[asiento] = num_libres_[asiento] - num_forzadas_[asiento];
    if (sitio[derecha] < 0 || sitio[arriba] < 0 || sitio[izquierda] < 0) return;
    // Cards of suits palo..bastos still to place.
    int restantes[por_palo + 1] = {};
    for (int palo = bastos; palo >= oros; --palo)
        restantes[palo] = restantes[palo + 1] + num_de_palo_[palo];
    maneras_[por_palo][0][0] = 1; // past the last suit, nothing left to place
    for (int palo = bastos; palo >= oros; --palo)
        for (int a = 0; a <= sitio[derecha]; ++a)
            for (int b = 0; b <= sitio[arriba]; ++b) {
                const int c = restantes[palo] - a - b;
                if (c < 0 || c > sitio[izquierda]) continue;
                maneras_[palo][a][b] = 0;
                const unsigned bit = 1u << palo;
                const int n = num_de_palo_[palo];
                for (int x = 0; x <= std::min(n, a); ++x)
                    for (int y = 0; y <= std::min(n - x, b); ++y) {
                        const int z = n - x - y;
                        if (z > c || (x && (sin_palo_[derecha] & bit)) ||
                            (y && (sin_palo_[arriba] & bit)) || (z && (sin_palo_[izquierda] & bit)))
                            continue;
                        maneras_[palo][a][b] +=
                            multinomial(x, y, z) * maneras_[palo + 1][a - x][b - y];
                    }
            }
}

void Incognitas::repartir_en_huecos(Dado& dado, int (&reparto)[por_asiento][cartas_por_mano],
                                    const int (&cuenta)[por_asiento], Mundo& mundo) const {
    // Within a seat, any card may be in any of its unknown slots.
    mundo = conocido_;
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        int* cartas = reparto[asiento];
        for (int n = cuenta[asiento] - 1; n > 0; --n) {
            const int otro = dado.hasta(n + 1);
            std::swap(cartas[n], cartas[otro]);
        }
        for (int n = 0; n < cuenta[asiento]; ++n)
            mundo.codigo[asiento][libres_[asiento][n]] = cartas[n];
    }
}

bool Incognitas::admite(const Mundo& w) const {
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        for (int i = 1; i <= cartas_por_mano; ++i) {
            const int codigo = w.codigo[asiento][i];
            if (conocido_.codigo[asiento][i] != 0 && conocido_.codigo[asiento][i] != codigo)
                return false;
            if (conocido_.codigo[asiento][i] == 0 &&
                (sin_palo_[asiento] & (1u << palo_de_codigo(codigo))))
                return false;
        }
        for (int n = 0; n < num_forzadas_[asiento]; ++n) {
            bool tiene = false;
            for (int i = 1; i <= cartas_por_mano; ++i)
                tiene |= w.codigo[asiento][i] == forzadas_[asiento][n];
            if (!tiene) return false;
        }
    }
    return true;
}

bool Incognitas::sortear(Dado& dado, Mundo& mundo) const {
    const int a0 = num_libres_[derecha] - num_forzadas_[derecha];
    const int b0 = num_libres_[arriba] - num_forzadas_[arriba];
    if (a0 < 0 || b0 < 0 || maneras_[oros][a0][b0] <= 0) return false;
    int reparto[por_asiento][cartas_por_mano];
    int cuenta[por_asiento] = {};
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int n = 0; n < num_forzadas_[asiento]; ++n)
            reparto[asiento][cuenta[asiento]++] = forzadas_[asiento][n];
    // Suit by suit, a split of its cards among the seats drawn in proportion
    // to the deals that follow from it, then which cards go where.
    int a = a0, b = b0;
    for (int palo = oros; palo <= bastos; ++palo) {
        const unsigned bit = 1u << palo;
        const int n = num_de_palo_[palo];
        double tirada = dado.unidad() * maneras_[palo][a][b];
        int elegido_x = -1, elegido_y = -1;
        bool hecho = false;
        for (int x = 0; x <= std::min(n, a) && !hecho; ++x)
            for (int y = 0; y <= std::min(n - x, b) && !hecho; ++y) {
                const int z = n - x - y;
                if ((x && (sin_palo_[derecha] & bit)) || (y && (sin_palo_[arriba] & bit)) ||
                    (z && (sin_palo_[izquierda] & bit)))
                    continue;
                const double peso = multinomial(x, y, z) * maneras_[palo + 1][a - x][b - y];
                if (peso <= 0) continue;
                elegido_x = x; // the last with a weight, should rounding leave some over
                elegido_y = y;
                hecho = tirada < peso;
                tirada -= peso;
            }
        assert(elegido_x >= 0);
        int cartas[cartas_por_palo];
        for (int i = 0; i < n; ++i) {
            const int otro = dado.hasta(i + 1);
            cartas[i] = cartas[otro];
            cartas[otro] = de_palo_[palo][i];
        }
        int i = 0;
        for (; i < elegido_x; ++i) reparto[derecha][cuenta[derecha]++] = cartas[i];
        for (; i < elegido_x + elegido_y; ++i) reparto[arriba][cuenta[arriba]++] = cartas[i];
        for (; i < n; ++i) reparto[izquierda][cuenta[izquierda]++] = cartas[i];
        a -= elegido_x;
        b -= elegido_y;
    }
    repartir_en_huecos(dado, reparto, cuenta, mundo);
    return true;
}

bool Incognitas::sortear_v1(Dado& dado, Mundo& mundo) const {
    // Which cards go to which seat: the forced ones first, then the others in
    // a random order, each to a seat that may hold its suit, with a chance in
    // proportion to the room left there.
    int reparto[por_asiento][cartas_por_mano];
    int cuenta[por_asiento] = {};
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int n = 0; n < num_forzadas_[asiento]; ++n) {
            if (cuenta[asiento] == num_libres_[asiento]) return false;
            reparto[asiento][cuenta[asiento]++] = forzadas_[asiento][n];
        }
    int orden[num_cartas];
    for (int n = 0; n < num_ocultas_; ++n) {
        const int otro = dado.hasta(n + 1);
        orden[n] = orden[otro];
        orden[otro] = ocultas_[n];
    }
    for (int n = 0; n < num_ocultas_; ++n) {
        const int codigo = orden[n];
        const unsigned bit = 1u << palo_de_codigo(codigo);
        int sitio[por_asiento] = {};
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
