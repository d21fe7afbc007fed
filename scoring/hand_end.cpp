// SPDX-License-Identifier: GPL-3.0-or-later
// The points of each collected trick, and after the tenth the game it wins;
// after every trick, the end of the match at 8 games.
#include "scoring/hand_end.h"

#include "core/texts.h"
#include "scoring/declarations.h"
#include "scoring/points.h"
#include "scoring/showing.h"

namespace quimbel {

namespace {

int juegos_del_reparto(int puntos) {
    return puntos > puntos_para_dos_juegos ? 2 : 1;
}

// The deal's game: more points win, equal points go to the team of the last
// trick; above 100 points it is worth two games.
void fin_de_mano(Mesa& m) {
    const int ellos = m.ellos.tanteo;
    const int nosotros = m.nosotros.tanteo;
    if (ellos < nosotros || (ellos == nosotros && m.ultima_nosotros == 1)) {
        mostrar_anuncio(m, Anuncio::ganjuego);
        m.nosotros.juegos += juegos_del_reparto(nosotros);
    } else {
        mostrar_anuncio(m, Anuncio::perjuego);
        m.ellos.juegos += juegos_del_reparto(ellos);
    }
}

void fin_de_partida(Mesa& m, Anuncio banner) {
    // Nothing but SALIR may act while the banner is up: a tute may have
    // enabled barajar already, and a deal started now would be corrupted by
    // the rest of this collection. The new match is offered after the pause.
    m.puede_jugar = false;
    m.puede_barajar = false;
    mostrar_anuncio(m, banner);
    m.nueva_partida = true;
    m.puede_barajar = true;
    m.nosotros = m.ellos = Cuenta{};
}

// The human's played cards are hidden: none left means the last trick.
bool ultima_baza(const Mesa& m) {
    return m.en_mano[yo].cartas == 0;
}

} // namespace

void tantear_baza(Mesa& m, Equipo gana) {
    int puntos = 0;
    for (int k = derecha; k <= yo; ++k) puntos += puntos_de_entrada(m.en_baza[k]);

    // Any team but "nosotros" scores as "ellos".
    const bool nuestra = gana == Equipo::nosotros;
    Cuenta& cuenta = m.cuenta(gana);
    // The last trick's ten come with it, in the same count.
    if (ultima_baza(m)) {
        puntos += puntos_ultima_baza;
        m.ultima_nosotros = nuestra ? 1 : 0;
    }
    cuenta.tanteo += puntos;
    if (nuestra)
        cantes_nosotros(m);
    else
        cantes_ellos(m);

    // A deal ended by a tute is not counted: the tute has won it.
    if (m.tute_cantado == SiNo::no && m.baza_numero > bazas_por_reparto) fin_de_mano(m);

    // Checked after every trick, so that a tute can end the match too.
    if (m.nosotros.juegos >= juegos_para_partida)
        fin_de_partida(m, Anuncio::ganpartida);
    else if (m.ellos.juegos >= juegos_para_partida)
        fin_de_partida(m, Anuncio::perpartida);
}

} // namespace quimbel
