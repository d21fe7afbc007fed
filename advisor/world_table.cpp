// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/world_table.h"

#include "core/hand_slots.h"
#include "core/texts.h"
#include "handlers/controls.h"

namespace quimbel::consejo {

void PlataformaMundo::carta_puesta(int asiento, int codigo) {
    if (!esperadas) return;
    if (cursor >= esperadas->cuantas || esperadas->jugadas[cursor].asiento != asiento ||
        esperadas->jugadas[cursor].codigo != codigo)
        desvio = true;
    ++cursor;
}

void PlataformaMundo::anuncio_mostrado(Anuncio a) {
    if (a == Anuncio::ganpartida) fin_partida = 1;
    if (a == Anuncio::perpartida) fin_partida = -1;
}

namespace {

void poner_marcadores(Mesa& m, const Conocimiento& k, bool del_reparto) {
    m.nosotros = {del_reparto ? 0 : k.tanteo_nosotros, k.juegos_nosotros};
    m.ellos = {del_reparto ? 0 : k.tanteo_ellos, k.juegos_ellos};
}

// The draws tried for a computer leader, first draw and the rest: each
// first-draw value gives a different "Salir x MALA" suit (1..4), each rest
// value a different izquierda As draw (1..3).
constexpr double tiradas[] = {0.1, 0.3, 0.55, 0.8};
constexpr double restos_izquierda[] = {0.1, 0.55, 0.8, 0.3};

// Press jugando for a computer leader, trying its draws until the cards put
// down are those recorded from `inicio` on.
bool salida_como_la_vista(Mesa& m, int lider, int inicio, PlataformaMundo& plataforma,
                          AzarFijo& azar) {
    const Mesa antes = m;
    const int restos = lider == izquierda ? 4 : 1;
    bool primera = true;
    for (int r = 0; r < restos; ++r)
        for (double tirada : tiradas) {
            if (!primera) m = antes;
            primera = false;
            azar.fijar(tirada, restos_izquierda[r]);
            plataforma.esperar(plataforma.esperadas, inicio);
            if (!pulsar(m, Control::jugando)) return false;
            if (!plataforma.desvio) return true;
        }
    return false;
}

// The declarations and the scores the human saw.
bool como_se_vio(const Mesa& m, const Conocimiento& k) {
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int palo = oros; palo <= bastos; ++palo)
            if (m.cantado[asiento][palo] != k.cantado[asiento][palo]) return false;
    return m.nosotros.tanteo == k.tanteo_nosotros && m.ellos.tanteo == k.tanteo_ellos;
}

} // namespace

void mesa_del_reparto(Mesa& m, const Conocimiento& k, const Mundo& w) {
    m = Mesa(*m.plataforma, *m.azar);
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int i = 1; i <= 10; ++i) colocar_carta(m, asiento, i, w.codigo[asiento][i]);
    for (int i = 1; i <= 10; ++i) {
        colocar_carta(m, yo, i, k.mano_yo[i]);
    }
    m.juega_yo = false;
    m.carta_de_pinta = static_cast<unsigned char>(k.pinta);
    m.pinta_a_la_vista = true;
    m.la_pinta = static_cast<unsigned char>(k.la_pinta());
    m.turno_mano = static_cast<unsigned char>(k.turno_mano);
    m.quien_sale = static_cast<unsigned char>(k.turno_mano);
    m.baza_numero = 1;
    m.tute_cantado = SiNo::no;
    poner_marcadores(m, k, true);
    m.puede_barajar = false;
    m.ofrece_agrupar = false;
    m.puede_jugar = true;
    m.puede_recoger = false;
}

bool rehacer_reparto(Mesa& m, const Conocimiento& k, const Mundo& w, PlataformaMundo& plataforma,
                     AzarFijo& azar) {
    mesa_del_reparto(m, k, w);
    const RegistroPublico& r = k.registro;
    plataforma.esperar(&r, 0);
    for (int inicio = 0; inicio <= r.cuantas; inicio += 4) {
        const int lider = inicio < r.cuantas ? r.jugadas[inicio].asiento : k.quien_sale;
        if (lider != m.quien_sale || !m.puede_jugar) return false;
        if (lider == yo) {
            plataforma.esperar(&r, inicio);
            pulsar(m, Control::jugando);
        } else if (!salida_como_la_vista(m, lider, inicio, plataforma, azar)) {
            return false;
        }
        // The human's card of this trick, if he has played it.
        const int suya = inicio + (yo - lider);
        if (suya >= r.cuantas)
            return plataforma.cursor == r.cuantas && !plataforma.desvio && como_se_vio(m, k);
        const int hueco = r.jugadas[suya].hueco;
        if (!pulsar_carta(m, hueco) || m.en_mano_en(yo, hueco) || plataforma.desvio) return false;
        if (!pulsar(m, Control::recoger)) return false;
    }
    return false; // the record ends with a trick complete: not the human's turn
}

void mesa_actual(Mesa& m, const Conocimiento& k, const Mundo& w) {
    mesa_del_reparto(m, k, w);
    const RegistroPublico& r = k.registro;
    const int en_curso = r.cuantas - r.cuantas % 4;
    for (int n = 0; n < r.cuantas; ++n) {
        const Jugada& j = r.jugadas[n];
        retirar_carta(m, j.asiento, j.hueco);
        if (n % 4 == 0) ++m.salidas[palo_de_codigo(j.codigo)];
        if (n % 4 == 0 && n <= en_curso)
            m.la_salida = static_cast<unsigned char>(palo_de_codigo(j.codigo));
        if (n < en_curso) continue;
        m.en_baza[j.asiento] = j.codigo;
        m.en_mesa[j.asiento] = true;
    }
    m.juega_yo = true;
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int palo = oros; palo <= bastos; ++palo)
            m.cantado[asiento][palo] = k.cantado[asiento][palo];
    m.quien_sale = static_cast<unsigned char>(k.quien_sale);
    m.baza_numero = static_cast<unsigned char>(r.cuantas / 4 + 1);
    poner_marcadores(m, k, false);
    m.puede_jugar = false;
}

} // namespace quimbel::consejo
