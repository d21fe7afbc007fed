// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/command_checks.h"

#include "checks/table_invariants.h"
#include "core/obligations.h"
#include "core/picture.h"
#include "core/texts.h"
#include "handlers/play_out.h"
#include "scoring/points.h"

namespace quimbel::revision {

namespace {

bool es_mensaje_del_juego(std::string_view texto) {
    if (texto == texto::echar_pinta) return true;
    for (int p = oros; p <= bastos; ++p)
        if (texto == texto::echar[p] || texto == texto::subir[p]) return true;
    return false;
}

int cartas_en_mesa(const Mesa& m) {
    int n = 0;
    for (int s = derecha; s <= yo; ++s) n += m.en_mesa[s];
    return n;
}

int jugadas_del_reparto(const Vigia& v) {
    int n = 0;
    for (bool jugada : v.jugadas) n += jugada;
    return n;
}

} // namespace

void Revisor::antes() {
    antes_ = fotografiar(m_);
    antes_sin_fila4_ = fotografiar(m_, true);
    juegos_antes_[0] = m_.nosotros.juegos;
    juegos_antes_[1] = m_.ellos.juegos;
    aceptadas_antes_ = le_toca_a_yo(m_) ? cartas_aceptadas(m_) : 0;
    vigia.nueva_orden();
}

std::string Revisor::despues(const Accion& a, Intencion intencion, Resultado r) {
    const bool pulso = a.tipo == Accion::pulsacion && r == Resultado::hecho;
    if (pulso && a.boton == Control::barajar) vigia.nuevo_reparto();
    return revisar(a, intencion, r);
}

std::string Revisor::revisar_turnos(int desde, int hasta, std::size_t primera) const {
    std::string esperado, puesto;
    for (int s = desde; s < hasta; ++s) esperado += std::to_string(s) + " ";
    for (std::size_t k = primera; k < vigia.puestas.size(); ++k)
        puesto += std::to_string(vigia.puestas[k].first) + " ";
    if (esperado == puesto) return {};
    return "the seats that played were [" + puesto + "], not [" + esperado + "]";
}

std::string Revisor::revisar(const Accion& a, Intencion intencion, Resultado r) {
    if (!vigia.fallo.empty()) return vigia.fallo;

    if (intencion == Intencion::salir)
        return r == Resultado::salir ? "" : "SALIR did not end the run";
    if (r == Resultado::salir) return "the run ended without SALIR";
    if (intencion == Intencion::en_vano) {
        if (r != Resultado::ignorado) return "a control that could not act was not ignored";
        if (std::string d = diferencias(antes_, fotografiar(m_)); !d.empty())
            return "an ignored command changed " + d;
        return {};
    }
    if (r == Resultado::ignorado) return "a control that could act was ignored";

    const bool pulsacion = a.tipo == Accion::pulsacion;
    // The set of accepted cards and the click agree on every card.
    if (a.tipo == Accion::clic &&
        contiene(aceptadas_antes_, antes_.manos[yo][a.carta].tag) != vigia.mensajes.empty())
        return "the accepted cards and the click disagree on card " +
               std::to_string(antes_.manos[yo][a.carta].tag);
    if (!vigia.mensajes.empty()) {
        if (a.tipo != Accion::clic) return "a message box during a press: " + vigia.mensajes[0];
        if (vigia.mensajes.size() > 1) return "two message boxes for one click";
        if (!es_mensaje_del_juego(vigia.mensajes[0]))
            return "a message that is no refusal: \"" + vigia.mensajes[0] + "\"";
        if (!vigia.puestas.empty()) return "a refused click put a card on the table";
        if (std::string d = diferencias(antes_sin_fila4_, fotografiar(m_, true)); !d.empty())
            return "a refused click changed " + d;
    } else if (a.tipo == Accion::clic) {
        const int codigo = antes_.manos[yo][a.carta].tag;
        if (vigia.puestas.empty() || vigia.puestas[0] != std::pair{yo, codigo})
            return "the accepted card " + std::to_string(codigo) +
                   " was not put on the table first";
        if (m_.en_mano_en(yo, a.carta)) return "the accepted card is still in the hand";
        // After the human, the seats from derecha up to the one before the leader.
        if (std::string e = revisar_turnos(derecha, m_.quien_sale, 1); !e.empty()) return e;
        if (cartas_en_mesa(m_) != num_asientos)
            return "the trick is complete with " + std::to_string(cartas_en_mesa(m_)) +
                   " cards shown";
    } else if (pulsacion && a.boton == Control::jugando) {
        // Before the human, the leader and the computer seats after it.
        if (std::string e = revisar_turnos(m_.quien_sale, yo, 0); !e.empty()) return e;
        if (cartas_en_mesa(m_) != static_cast<int>(vigia.puestas.size()))
            return "the table shows other cards than the ones just put down";
    } else if (pulsacion && a.boton == Control::recoger) {
        if (!vigia.puestas.empty()) return "a card was put on the table at the collection";
        if (cartas_en_mesa(m_) != 0) return "the collected trick is still shown";
        // A deal ends after its tenth trick, or earlier with a tute.
        const int jugadas = jugadas_del_reparto(vigia);
        if (m_.puede_barajar && m_.tute_cantado == SiNo::no && jugadas != num_cartas)
            return "the deal ended with " + std::to_string(jugadas) + " cards played and no tute";
    }

    if (vigia.hubo_reparto) {
        if (std::string e = revisar_lugares(m_, vigia.jugadas); !e.empty()) return e;
        if (std::string e = revisar_manos(m_, vigia.destapado); !e.empty()) return e;
    }
    if (std::string e = revisar_botones(m_); !e.empty()) return e;

    // Games only go up inside a match: by the winner's 1 or 2 at the end of a
    // deal, by 2 for a tute; the match end puts everything back to 0.
    const int juegos[2] = {m_.nosotros.juegos, m_.ellos.juegos};
    if (vigia.partida_terminada) {
        if (m_.nosotros.tanteo || m_.ellos.tanteo || m_.nosotros.juegos || m_.ellos.juegos)
            return "a score is not 0 after the match end";
        if (dibujar(m_).barajar.caption != texto::nueva_partida)
            return "barajar does not read \"NUEVA PARTIDA\" after the match end";
        return {};
    }
    int esperado[2] = {juegos_antes_[0], juegos_antes_[1]};
    auto sumar = [&esperado](Equipo e, int n) {
        if (e != Equipo::ninguno) esperado[e == Equipo::nosotros ? 0 : 1] += n;
    };
    sumar(vigia.equipo_juego, vigia.suma_juego);
    sumar(vigia.equipo_tute, juegos_por_tute);
    if (juegos[0] != esperado[0] || juegos[1] != esperado[1])
        return "games went from " + std::to_string(juegos_antes_[0]) + "/" +
               std::to_string(juegos_antes_[1]) + " to " + std::to_string(juegos[0]) + "/" +
               std::to_string(juegos[1]) + ", expected " + std::to_string(esperado[0]) + "/" +
               std::to_string(esperado[1]);
    if (juegos[0] >= juegos_para_partida || juegos[1] >= juegos_para_partida)
        return "a team has " + std::to_string(juegos_para_partida) + " games and the match goes on";
    return {};
}

} // namespace quimbel::revision
