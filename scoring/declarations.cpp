// The 20s and 40s. A pass runs for both seats of the team that has just won a
// trick: first the tutes (tute.cpp), then the 40 of each suit, then the 20 of
// each suit. Nobody chooses: whatever pair a seat still holds is declared.
#include "scoring/declarations.h"

#include "scoring/showing.h"

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

Etiqueta& tanteo_de(Mesa& m, Equipo equipo) {
    return equipo == Equipo::nosotros ? m.tanteo_nosotros : m.tanteo_ellos;
}

// How many slots of the seat's array of `palo` hold that suit's Caballo or Rey:
// 2 when the seat still holds the pair.
int cuenta_pareja(const Mesa& m, int asiento, int palo) {
    const int caballo = codigo_de(palo, rango_caballo);
    const int rey = codigo_de(palo, rango_rey);
    int cuenta = 0;
    for (int i = 1; i <= 10; ++i) {
        const int codigo = m.cartas[asiento][palo][i];
        cuenta += (codigo == caballo) + (codigo == rey);
    }
    return cuenta;
}

void sumar_cante(Mesa& m, Equipo equipo, int puntos) {
    m.tanteo_equipo += puntos;
    escribir_numero(tanteo_de(m, equipo), m.tanteo_equipo);
}

void declarar_40(Mesa& m, int asiento, int palo) {
    m.cantado[asiento][palo] = 1;
    mostrar_anuncio(m, anuncio_40(asiento));
    sumar_cante(m, equipo_de(asiento), 40);
    m.cante_hecho = SiNo::si;
    m.canto_baza[asiento] = 1;
}

void declarar_20(Mesa& m, int asiento, int palo) {
    m.cantado[asiento][palo] = 1;
    mostrar_anuncio(m, anuncio_20(asiento, palo));
    sumar_cante(m, equipo_de(asiento), 20);
    m.canto_baza[asiento] = 1;
}

void cantes(Mesa& m, Equipo equipo) {
    const Pareja p = pareja_de(equipo);
    m.cante_hecho = SiNo::no;
    m.canto_baza[p.primero] = 0;
    m.canto_baza[p.segundo] = 0;

    tute(m, p.primero);
    if (m.cante_hecho == SiNo::no) tute(m, p.segundo);
    for (int palo = oros; palo <= bastos; ++palo)
        if (m.cante_hecho == SiNo::no) cuarenta(m, palo, equipo);
    // The trump pair has already met its 40 check above, so no 20 is ever
    // declared in trumps; a tute ends the deal and leaves no 20 to declare.
    if (m.tute_cantado == SiNo::no)
        for (int palo = oros; palo <= bastos; ++palo) veinte(m, palo, equipo);
}

} // namespace

void cantes_ellos(Mesa& m) {
    cantes(m, Equipo::ellos);
}
void cantes_nosotros(Mesa& m) {
    cantes(m, Equipo::nosotros);
}

void cuarenta(Mesa& m, int palo, Equipo equipo) {
    const Pareja p = pareja_de(equipo);
    if (m.la_pinta != palo) return;
    if (m.cantado[p.primero][palo] == 0 && cuenta_pareja(m, p.primero, palo) == 2)
        declarar_40(m, p.primero, palo);
    else if (m.cantado[p.segundo][palo] == 0 && cuenta_pareja(m, p.segundo, palo) == 2)
        declarar_40(m, p.segundo, palo);
}

void veinte(Mesa& m, int palo, Equipo equipo) {
    const Pareja p = pareja_de(equipo);
    // Both seats are checked: each may declare once in a pass.
    for (int asiento : {p.primero, p.segundo})
        if (m.canto_baza[asiento] == 0 && m.cantado[asiento][palo] == 0 &&
            cuenta_pareja(m, asiento, palo) == 2)
            declarar_20(m, asiento, palo);
}

} // namespace quimbel
