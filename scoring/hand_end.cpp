// The points of each collected trick, and after the tenth the game it wins;
// after every trick, the end of the match at 8 games.
#include "scoring/hand_end.h"

#include "core/texts.h"
#include "scoring/declarations.h"
#include "scoring/showing.h"

namespace quimbel {

namespace {

constexpr int juegos_para_partida = 8;

// The deal's game: more points win, equal points go to the team of the last
// trick; above 100 points it is worth two games.
void fin_de_mano(Mesa& m) {
    const int ellos = valor_numerico(m.tanteo_ellos.caption);
    const int nosotros = valor_numerico(m.tanteo_nosotros.caption);
    if (ellos < nosotros || (ellos == nosotros && m.ultima_nosotros == 1)) {
        mostrar_anuncio(m, Anuncio::ganjuego);
        escribir_numero(m.juegos_nosotros,
                        valor_numerico(m.juegos_nosotros.caption) + (nosotros > 100 ? 2 : 1));
    } else {
        mostrar_anuncio(m, Anuncio::perjuego);
        escribir_numero(m.juegos_ellos,
                        valor_numerico(m.juegos_ellos.caption) + (ellos > 100 ? 2 : 1));
    }
}

void fin_de_partida(Mesa& m, Anuncio banner) {
    // Nothing but SALIR may act while the banner is up: a tute may have
    // enabled barajar already, and a deal started now would be corrupted by
    // the rest of this collection. The new match is offered after the pause.
    m.jugando.enabled = false;
    m.barajar.enabled = false;
    mostrar_anuncio(m, banner);
    m.barajar.caption = texto::nueva_partida;
    m.barajar.enabled = true;
    for (Etiqueta* e : {&m.tanteo_nosotros, &m.tanteo_ellos, &m.juegos_nosotros, &m.juegos_ellos})
        e->caption = texto::cero;
}

} // namespace

void puntos_de_carta(Mesa& m) {
    // By rank order: Dos .. Siete nothing, Sota 2, Caballo 3, Rey 4, Tres 10, As 11.
    static constexpr int puntos[11] = {0, 0, 0, 0, 0, 0, 2, 3, 4, 10, 11};
    m.puntos_carta = (m.puntos_carta >= 0 && m.puntos_carta <= 10) ? puntos[m.puntos_carta] : 0;
}

void tantear_baza(Mesa& m) {
    m.tanteo_equipo = 0;
    for (int k = 1; k <= 4; ++k) {
        m.puntos_carta = m.valor[k];
        puntos_de_carta(m);
        m.tanteo_equipo += m.puntos_carta;
    }

    m.puntos_carta = valor_numerico(m.tanteo_nosotros.caption);
    const int total_ellos = valor_numerico(m.tanteo_ellos.caption);

    // The human's played cards are hidden: none left means the last trick.
    m.encontrado = 0;
    for (m.indice = 1; m.indice <= 10; ++m.indice) m.encontrado |= m.manos[yo][m.indice].visible;

    // Any team but "nosotros" scores as "ellos".
    const bool nuestra = m.equipo_gana == Equipo::nosotros;
    Etiqueta& tanteo = nuestra ? m.tanteo_nosotros : m.tanteo_ellos;
    m.tanteo_equipo += nuestra ? m.puntos_carta : total_ellos;
    escribir_numero(tanteo, m.tanteo_equipo);
    if (m.encontrado == 0) {
        m.tanteo_equipo += 10;
        escribir_numero(tanteo, m.tanteo_equipo);
        m.ultima_nosotros = nuestra ? 1 : 0;
    }
    if (nuestra)
        cantes_nosotros(m);
    else
        cantes_ellos(m);

    // A deal ended by a tute is not counted: the tute has won it.
    if (m.tute_cantado == SiNo::no && m.baza_numero > 10) fin_de_mano(m);

    // Checked after every trick, so that a tute can end the match too.
    if (valor_numerico(m.juegos_nosotros.caption) >= juegos_para_partida)
        fin_de_partida(m, Anuncio::ganpartida);
    else if (valor_numerico(m.juegos_ellos.caption) >= juegos_para_partida)
        fin_de_partida(m, Anuncio::perpartida);
}

} // namespace quimbel
