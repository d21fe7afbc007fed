// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/rollout_policy.h"

#include "core/obligations.h"
#include "scoring/points.h"

namespace quimbel::consejo {

namespace {

// Which card is cheaper to give away: a plain card before a trump, then
// fewer points, then a lower rank.
int coste(int codigo, int triunfo) {
    const int rango = rango_de_codigo(codigo);
    return (palo_de_codigo(codigo) == triunfo) * 1000 + puntos_de_carta(rango) * 20 + rango;
}

// Whether `a` beats `b` on a trick led in `salida`.
bool gana_a(int a, int b, int salida, int triunfo) {
    const int pa = palo_de_codigo(a), pb = palo_de_codigo(b);
    if (pa == pb) return rango_de_codigo(a) > rango_de_codigo(b);
    if (pa == triunfo) return true;
    if (pb == triunfo) return false;
    return pa == salida && pb != salida;
}

} // namespace

int carta_sensata(const Mesa& m) {
    const Conjunto aceptadas = cartas_aceptadas(m);
    if (aceptadas == 0) return 0;
    const int triunfo = m.la_pinta;

    // The trick as it stands: who holds it, with what, and how many are down.
    int mejor = 0, quien = 0, puestas = 0;
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        if (!m.en_mesa[asiento] || m.en_baza[asiento] == 0) continue;
        ++puestas;
        if (!mejor || gana_a(m.en_baza[asiento], mejor, m.la_salida, triunfo)) {
            mejor = m.en_baza[asiento];
            quien = asiento;
        }
    }

    int barata = 0, cara = 0, ganadora = 0, as_llano = 0;
    for (int codigo : cada_carta(aceptadas)) {
        const int c = coste(codigo, triunfo);
        if (!barata || c < coste(barata, triunfo)) barata = codigo;
        if (palo_de_codigo(codigo) != triunfo && (!cara || c > coste(cara, triunfo))) cara = codigo;
        if (mejor && gana_a(codigo, mejor, m.la_salida, triunfo) &&
            (!ganadora || c < coste(ganadora, triunfo)))
            ganadora = codigo;
        if (rango_de_codigo(codigo) == rango_as && palo_de_codigo(codigo) != triunfo)
            as_llano = codigo;
    }
    if (puestas == 0) return as_llano ? as_llano : barata;
    if (quien == arriba) return puestas == num_asientos - 1 && cara ? cara : barata;
    return ganadora ? ganadora : barata;
}

} // namespace quimbel::consejo
