// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/world_table.h"

#include <cassert>
#include <iterator>

#include "core/hand_slots.h"
#include "core/texts.h"
#include "handlers/controls.h"

namespace quimbel::consejo {

void PlataformaMundo::carta_puesta(int asiento, int codigo) {
    assert(es_asiento(asiento) && es_codigo(codigo));
    if (!esperadas) return;
    if (cursor >= esperadas->cuantas || esperadas->jugadas[cursor].asiento != asiento ||
        esperadas->jugadas[cursor].codigo != codigo)
        desvio = true;
    ++cursor;
}

namespace {

// izquierda's low-card lookup draws among three (players/seat_play.h).
constexpr int num_opciones_as_izquierda = 3;

} // namespace

int AzarEnumerado::sortear(int k) {
    assert(k >= 1);
    // No search, or the leader's card is down: the draw chooses nothing.
    if (!plataforma_ || plataforma_->cursor > inicio_) return 1;
    if (sin_as_izquierda_ && k == num_opciones_as_izquierda) return 1;
    assert(usadas_ < max_tiradas);
    if (usadas_ >= fijadas) {
        tirada[usadas_] = 1;
        rango[usadas_] = k;
    }
    return tirada[usadas_++];
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

// Version 1.0: press jugando for a computer leader, trying the grid's draws
// until the cards put down are those recorded from `inicio` on.
bool salida_en_rejilla(Mesa& m, int lider, int inicio, PlataformaMundo& plataforma,
                       AzarFijo& azar) {
    const Mesa antes = m;
    const int restos = lider == izquierda ? static_cast<int>(std::size(restos_izquierda)) : 1;
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

// Press jugando for a computer leader under every sequence of its draws.
// Returns the probability of those under which the cards put down are the
// ones recorded from `inicio` on; m is left as the first such sequence leaves
// it (any other leaves the same cards in the same places).
double salida_exacta(Mesa& m, int inicio, PlataformaMundo& plataforma, AzarEnumerado& azar) {
    const bool sin_as =
        m.quien_sale == izquierda && (m.en_mano[izquierda].cartas & los_cuatro(rango_as)) == 0;
    const Mesa antes = m;
    Mesa acierto = m;
    int cursor = 0; // the record's cursor after it
    double probabilidad = 0;
    azar.fijadas = 0;
    for (bool primera = true;; primera = false) {
        ++plataforma.hojas;
        if (!primera) m = antes;
        plataforma.esperar(plataforma.esperadas, inicio);
        azar.empezar(plataforma, inicio, sin_as);
        if (!pulsar(m, Control::jugando)) return 0;
        if (!plataforma.desvio) {
            double p = 1;
            for (int n = 0; n < azar.usadas(); ++n) p /= azar.rango[n];
            if (probabilidad == 0) {
                acierto = m;
                cursor = plataforma.cursor;
            }
            probabilidad += p;
        }
        // The next sequence: the last draw that has an outcome left moves on
        // to it, and the draws after it start again from 1.
        int n = azar.usadas() - 1;
        while (n >= 0 && azar.tirada[n] == azar.rango[n]) --n;
        if (n < 0) break;
        ++azar.tirada[n];
        azar.fijadas = n + 1;
    }
    m = acierto;
    plataforma.esperar(plataforma.esperadas, cursor);
    return probabilidad;
}

// The declarations and the scores the human saw.
bool como_se_vio(const Mesa& m, const Conocimiento& k) {
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int palo = oros; palo <= bastos; ++palo)
            if (m.cantado[asiento][palo] != k.cantado[asiento][palo]) return false;
    return m.nosotros.tanteo == k.tanteo_nosotros && m.ellos.tanteo == k.tanteo_ellos;
}

// rehacer_reparto, with the draws of the replay in `enumerado` or `fijo`.
double rehacer(Mesa& m, const Conocimiento& k, const Mundo& w, PlataformaMundo& plataforma,
               AzarEnumerado& enumerado, AzarFijo& fijo, Inferencia inferencia) {
    mesa_del_reparto(m, k, w);
    const RegistroPublico& r = k.registro;
    plataforma.esperar(&r, 0);
    double probabilidad = 1;
    for (int inicio = 0; inicio <= r.cuantas; inicio += num_asientos) {
        const int lider = inicio < r.cuantas ? r.jugadas[inicio].asiento : k.quien_sale;
        if (lider != m.quien_sale || !m.puede_jugar) return 0;
        enumerado.sin_busqueda();
        if (lider == yo) {
            plataforma.esperar(&r, inicio);
            pulsar(m, Control::jugando);
        } else if (inferencia == Inferencia::exacta) {
            probabilidad *= salida_exacta(m, inicio, plataforma, enumerado);
            enumerado.sin_busqueda();
            if (probabilidad == 0) return 0;
        } else if (!salida_en_rejilla(m, lider, inicio, plataforma, fijo)) {
            return 0;
        }
        // The human's card of this trick, if he has played it.
        const int suya = inicio + (yo - lider);
        if (suya >= r.cuantas)
            return plataforma.cursor == r.cuantas && !plataforma.desvio && como_se_vio(m, k)
                       ? probabilidad
                       : 0;
        const int hueco = r.jugadas[suya].hueco;
        if (!pulsar_carta(m, hueco) || m.en_mano_en(yo, hueco) || plataforma.desvio) return 0;
        if (!pulsar(m, Control::recoger)) return 0;
    }
    return 0; // the record ends with a trick complete: not the human's turn
}

} // namespace

void mesa_del_reparto(Mesa& m, const Conocimiento& k, const Mundo& w) {
    assert(es_codigo(k.pinta) && es_asiento(k.turno_mano) && es_asiento(k.quien_sale));
    m = Mesa(*m.plataforma, *m.azar);
    for (int asiento = derecha; asiento <= izquierda; ++asiento)
        for (int i = 1; i <= cartas_por_mano; ++i)
            colocar_carta(m, asiento, i, w.codigo[asiento][i]);
    for (int i = 1; i <= cartas_por_mano; ++i) colocar_carta(m, yo, i, k.mano_yo[i]);
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

double rehacer_reparto(Mesa& m, const Conocimiento& k, const Mundo& w, PlataformaMundo& plataforma,
                       Inferencia inferencia) {
    assert(m.plataforma == &plataforma); // the replay's cards are checked there
    FuenteAzar* const suya = m.azar;
    AzarEnumerado enumerado;
    AzarFijo fijo;
    m.azar = inferencia == Inferencia::exacta ? static_cast<FuenteAzar*>(&enumerado) : &fijo;
    const double p = rehacer(m, k, w, plataforma, enumerado, fijo, inferencia);
    m.azar = suya;
    return p;
}

void mesa_actual(Mesa& m, const Conocimiento& k, const Mundo& w) {
    mesa_del_reparto(m, k, w);
    const RegistroPublico& r = k.registro;
    const int en_curso = r.cuantas - r.cuantas % num_asientos;
    for (int n = 0; n < r.cuantas; ++n) {
        const Jugada& j = r.jugadas[n];
        retirar_carta(m, j.asiento, j.hueco);
        if (n % num_asientos == 0) ++m.salidas[palo_de_codigo(j.codigo)];
        if (n % num_asientos == 0 && n <= en_curso)
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
    m.baza_numero = static_cast<unsigned char>(r.cuantas / num_asientos + 1);
    poner_marcadores(m, k, false);
    m.puede_jugar = false;
}

} // namespace quimbel::consejo
