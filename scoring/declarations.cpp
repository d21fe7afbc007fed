// The 20s and 40s. A pass runs for both seats of the team that has just won a
// trick: first the tutes (tute.cpp), then the 40 of each suit, then the 20 of
// each suit. Nobody chooses: whatever pair a seat still holds is declared.
#include "scoring/declarations.h"

#include "core/hand_mask.h"
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

Etiqueta& tanteo_de(Mesa& m, Equipo equipo) {
    return equipo == Equipo::nosotros ? m.tanteo_nosotros : m.tanteo_ellos;
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

// The hands of the two seats. Nothing is played during a pass, so they are
// read once for all its checks.
struct Manos {
    ManoBits primero;
    ManoBits segundo;
};

Manos manos_de(const Mesa& m, Pareja p) {
    return {mascara_mano(m, p.primero), mascara_mano(m, p.segundo)};
}

void cuarenta_con(Mesa& m, int palo, Pareja p, Manos manos) {
    if (m.la_pinta != palo) return;
    if (m.cantado[p.primero][palo] == 0 && tiene_pareja(manos.primero, palo))
        declarar_40(m, p.primero, palo);
    else if (m.cantado[p.segundo][palo] == 0 && tiene_pareja(manos.segundo, palo))
        declarar_40(m, p.segundo, palo);
}

void veinte_con(Mesa& m, int palo, Pareja p, Manos manos) {
    // Both seats are checked: each may declare once in a pass.
    if (m.canto_baza[p.primero] == 0 && m.cantado[p.primero][palo] == 0 &&
        tiene_pareja(manos.primero, palo))
        declarar_20(m, p.primero, palo);
    if (m.canto_baza[p.segundo] == 0 && m.cantado[p.segundo][palo] == 0 &&
        tiene_pareja(manos.segundo, palo))
        declarar_20(m, p.segundo, palo);
}

void cantes(Mesa& m, Equipo equipo) {
    const Pareja p = pareja_de(equipo);
    const Manos manos = manos_de(m, p);
    m.cante_hecho = SiNo::no;
    m.canto_baza[p.primero] = 0;
    m.canto_baza[p.segundo] = 0;

    tute_con(m, p.primero, manos.primero);
    if (m.cante_hecho == SiNo::no) tute_con(m, p.segundo, manos.segundo);
    for (int palo = oros; palo <= bastos; ++palo)
        if (m.cante_hecho == SiNo::no) cuarenta_con(m, palo, p, manos);
    // The trump pair has already met its 40 check above, so no 20 is ever
    // declared in trumps; a tute ends the deal and leaves no 20 to declare.
    if (m.tute_cantado == SiNo::no)
        for (int palo = oros; palo <= bastos; ++palo) veinte_con(m, palo, p, manos);
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
    cuarenta_con(m, palo, p, manos_de(m, p));
}

void veinte(Mesa& m, int palo, Equipo equipo) {
    const Pareja p = pareja_de(equipo);
    veinte_con(m, palo, p, manos_de(m, p));
}

} // namespace quimbel
