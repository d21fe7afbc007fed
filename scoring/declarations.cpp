// SPDX-License-Identifier: GPL-3.0-or-later
// The 20s and 40s. A pass runs for both seats of the team that has just won a
// trick: first the tutes (tute.cpp), then the 40 of each suit, then the 20 of
// each suit. Nobody chooses: whatever pair a seat still holds is declared.
#include "scoring/declarations.h"

#include "core/card_set.h"
#include "scoring/points.h"
#include "scoring/showing.h"
#include "scoring/tute.h"

namespace quimbel {

namespace {

// The two seats of a team, in the order their checks run.
struct Pareja {
    int primero;
    int segundo;
};

constexpr Pareja pareja_de(Equipo equipo) {
    return equipo == Equipo::nosotros ? Pareja{arriba, yo} : Pareja{derecha, izquierda};
}

// Whether the seat has anything left to declare: a pair it has not declared
// yet, or four Caballos or four Reyes. A pair stays in hand after its 20 or 40
// until it is played, and is never declared twice.
bool algo_que_cantar(const Mesa& m, int asiento) {
    const Conjunto mano = m.en_mano[asiento].cartas;
    for (int caballo : cada_carta(parejas(mano)))
        if (m.cantado[asiento][palo_de_codigo(caballo)] == 0) return true;
    return contiene_todas(mano, los_cuatro(rango_caballo)) ||
           contiene_todas(mano, los_cuatro(rango_rey));
}

// One pass for a team. Nothing is played during it, so the two hands are read
// once for all its checks.
struct Pasada {
    Mesa& m;
    Equipo equipo;
    Pareja p = pareja_de(equipo);
    Conjunto primero = m.en_mano[p.primero].cartas;
    Conjunto segundo = m.en_mano[p.segundo].cartas;
    bool cante_hecho = false;          // a tute or a 40 has been declared in this pass
    bool canto_baza[por_asiento] = {}; // canto_baza_derecha ...: this seat has declared

    void sumar_cante(int puntos) { m.cuenta(equipo).tanteo += puntos; }

    void declarar(int asiento, int palo, Anuncio a, int puntos) {
        m.cantado[asiento][palo] = 1;
        mostrar_anuncio(m, a);
        sumar_cante(puntos);
        canto_baza[asiento] = true;
    }

    bool puede_cantar(int asiento, Conjunto mano, int palo) const {
        return m.cantado[asiento][palo] == 0 && tiene_pareja(mano, palo);
    }

    // Only the trump suit's pair makes a 40.
    void cuarenta(int palo) {
        if (m.la_pinta != palo) return;
        if (puede_cantar(p.primero, primero, palo))
            declarar(p.primero, palo, anuncio_40(p.primero), puntos_cuarenta);
        else if (puede_cantar(p.segundo, segundo, palo))
            declarar(p.segundo, palo, anuncio_40(p.segundo), puntos_cuarenta);
        else
            return;
        cante_hecho = true;
    }

    // Both seats are checked: each may declare once in a pass.
    void veinte(int asiento, Conjunto mano, int palo) {
        if (!canto_baza[asiento] && puede_cantar(asiento, mano, palo))
            declarar(asiento, palo, anuncio_20(asiento, palo), puntos_veinte);
    }

    void cantes() {
        cante_hecho = tute_con(m, p.primero, primero) || tute_con(m, p.segundo, segundo);
        for (int palo = oros; palo <= bastos; ++palo)
            if (!cante_hecho) cuarenta(palo);
        // The trump pair has already met its 40 check above, so no 20 is ever
        // declared in trumps; a tute ends the deal and leaves no 20 to declare.
        if (m.tute_cantado == SiNo::no)
            for (int palo = oros; palo <= bastos; ++palo) {
                veinte(p.primero, primero, palo);
                veinte(p.segundo, segundo, palo);
            }
    }
};

} // namespace

// Most passes end before they start: neither seat holds a pair it has not
// declared, nor four Caballos or four Reyes, and nothing could be declared.
void cantes_ellos(Mesa& m) {
    if (algo_que_cantar(m, derecha) || algo_que_cantar(m, izquierda))
        Pasada{m, Equipo::ellos}.cantes();
}
void cantes_nosotros(Mesa& m) {
    if (algo_que_cantar(m, arriba) || algo_que_cantar(m, yo)) Pasada{m, Equipo::nosotros}.cantes();
}

} // namespace quimbel
