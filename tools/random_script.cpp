#include "tools/random_script.h"

#include <optional>
#include <vector>

#include "core/texts.h"

namespace quimbel::sim {

namespace {

bool es_mensaje_del_juego(std::string_view texto) {
    if (texto == texto::echar_pinta) return true;
    for (int p = oros; p <= bastos; ++p)
        if (texto == texto::echar[p] || texto == texto::subir[p]) return true;
    return false;
}

Orden pulsacion(Control c) {
    Orden o;
    o.tipo = TipoOrden::press;
    o.boton = c;
    return o;
}

Orden clic(int i) {
    Orden o;
    o.tipo = TipoOrden::click;
    o.carta = i;
    return o;
}

bool carta_activa(const Mesa& m, int i) {
    return m.manos[yo][i].visible && m.manos[yo][i].enabled;
}

constexpr Control botones_del_juego[] = {Control::barajar, Control::ordenamelas, Control::jugando,
                                         Control::recoger};

int cartas_en_mesa(const Mesa& m) {
    int n = 0;
    for (int s = derecha; s <= yo; ++s) n += m.centro[s].visible;
    return n;
}

} // namespace

std::string Partida::revisar_turnos(int desde, int hasta, std::size_t primera) const {
    std::string esperado, puesto;
    for (int s = desde; s < hasta; ++s) esperado += std::to_string(s) + " ";
    for (std::size_t k = primera; k < vigia_.puestas.size(); ++k)
        puesto += std::to_string(vigia_.puestas[k].first) + " ";
    if (esperado == puesto) return {};
    return "the seats that played were [" + puesto + "], not [" + esperado + "]";
}

bool Partida::jugar() {
    Orden semilla;
    semilla.tipo = TipoOrden::seed;
    semilla.semilla = dado_.siguiente();
    if (!orden(semilla, Intencion::avanzar)) return false;
    if (!orden(Orden{}, Intencion::avanzar)) return false; // load

    const std::uint64_t tope = 400 * repartos_pedidos_ + 100;
    std::uint64_t pasos = 0;
    while (repartos_ < repartos_pedidos_) {
        if (++pasos > tope) {
            fallo_ = "the script made no progress in " + std::to_string(tope) + " commands";
            return false;
        }
        int tirada = dado_.hasta(100);
        if (tirada < 1) {
            // A new seed in the middle of the game: the next draws follow it.
            Orden o;
            o.tipo = TipoOrden::seed;
            o.semilla = dado_.siguiente();
            if (!orden(o, Intencion::avanzar)) return false;
        } else if (tirada < 16) {
            if (!orden(en_vano(), Intencion::en_vano)) return false;
        } else {
            // The control that can act: one of the human's cards at random
            // (so that many are refused and clicked again), else the one
            // button that the turn driver has enabled.
            std::vector<int> activas;
            for (int i = 1; i <= 10; ++i)
                if (carta_activa(m(), i)) activas.push_back(i);
            std::optional<Orden> o;
            if (!activas.empty()) {
                o = clic(activas[dado_.hasta(static_cast<int>(activas.size()))]);
            } else {
                for (Control c : botones_del_juego)
                    if (boton(m(), c).activo()) o = pulsacion(c);
            }
            if (!o) {
                fallo_ = "no control of the game can act";
                return false;
            }
            if (!orden(*o, Intencion::avanzar)) return false;
        }
    }
    if (dado_.una_de(4)) return orden(pulsacion(Control::Command2), Intencion::salir);
    return true;
}

Orden Partida::en_vano() {
    // A control that cannot act now: a button that is disabled or hidden, a
    // card already played, or a card while the human is not to play.
    std::vector<Orden> candidatas;
    for (Control c : botones_del_juego)
        if (!boton(m(), c).activo()) candidatas.push_back(pulsacion(c));
    for (int i = 1; i <= 10; ++i)
        if (!carta_activa(m(), i)) candidatas.push_back(clic(i));
    return candidatas[dado_.hasta(static_cast<int>(candidatas.size()))];
}

bool Partida::orden(const Orden& o, Intencion intencion) {
    guion_ += texto_orden(o);
    guion_ += '\n';
    ++lineas_;
    ++cuenta_.ordenes;

    Foto antes = fotografiar(m());
    Foto antes_sin_fila4 = fotografiar(m(), true);
    int juegos_antes[2] = {valor_numerico(m().juegos_nosotros.caption),
                           valor_numerico(m().juegos_ellos.caption)};
    vigia_.nueva_orden();
    if (std::string e = conductor_.error_de(o); !e.empty()) {
        fallo_ = "the soak wrote a command the driver refuses: " + e;
        return false;
    }
    Resultado r = conductor_.ejecutar(o);
    if (o.tipo == TipoOrden::press && o.boton == Control::barajar && r == Resultado::hecho)
        vigia_.nuevo_reparto();
    fallo_ = revisar(o, intencion, r, antes, antes_sin_fila4, juegos_antes);
    if (!fallo_.empty()) return false;

    cuenta_.ignoradas += r == Resultado::ignorado;
    cuenta_.rechazos += !vigia_.mensajes.empty();
    cuenta_.partidas += vigia_.partida_terminada;
    if (o.tipo == TipoOrden::press && o.boton == Control::recoger && r == Resultado::hecho &&
        m().barajar.activo()) {
        ++repartos_;
        ++cuenta_.repartos;
    }
    return true;
}

std::string Partida::revisar(const Orden& o, Intencion intencion, Resultado r, const Foto& antes,
                             const Foto& antes_sin_fila4, int juegos_antes[2]) {
    if (!vigia_.fallo.empty()) return vigia_.fallo;
    if (o.tipo == TipoOrden::seed) return {};

    if (intencion == Intencion::salir)
        return r == Resultado::salir ? "" : "SALIR did not end the run";
    if (r == Resultado::salir) return "the run ended without SALIR";
    if (intencion == Intencion::en_vano) {
        if (r != Resultado::ignorado) return "a control that could not act was not ignored";
        if (std::string d = diferencias(antes, fotografiar(m())); !d.empty())
            return "an ignored command changed " + d;
        return {};
    }
    if (r == Resultado::ignorado) return "a control that could act was ignored";

    if (!vigia_.mensajes.empty()) {
        if (o.tipo != TipoOrden::click)
            return "a message box during a press: " + vigia_.mensajes[0];
        if (vigia_.mensajes.size() > 1) return "two message boxes for one click";
        if (!es_mensaje_del_juego(vigia_.mensajes[0]))
            return "a message that is no refusal: \"" + vigia_.mensajes[0] + "\"";
        if (!vigia_.puestas.empty()) return "a refused click put a card on the table";
        if (std::string d = diferencias(antes_sin_fila4, fotografiar(m(), true)); !d.empty())
            return "a refused click changed " + d;
    } else if (o.tipo == TipoOrden::click) {
        int codigo = antes.manos[yo][o.carta].tag;
        if (vigia_.puestas.empty() || vigia_.puestas[0] != std::pair{yo, codigo})
            return "the accepted card " + std::to_string(codigo) +
                   " was not put on the table first";
        if (m().manos[yo][o.carta].visible) return "the accepted card is still in the hand";
        // After the human, the seats from derecha up to the one before the leader.
        if (std::string e = revisar_turnos(1, m().quien_sale, 1); !e.empty()) return e;
        if (cartas_en_mesa(m()) != 4)
            return "the trick is complete with " + std::to_string(cartas_en_mesa(m())) +
                   " cards shown";
    } else if (o.tipo == TipoOrden::press && o.boton == Control::jugando) {
        // Before the human, the leader and the computer seats after it.
        if (std::string e = revisar_turnos(m().quien_sale, yo, 0); !e.empty()) return e;
        if (cartas_en_mesa(m()) != static_cast<int>(vigia_.puestas.size()))
            return "the table shows other cards than the ones just put down";
    } else if (o.tipo == TipoOrden::press && o.boton == Control::recoger) {
        if (!vigia_.puestas.empty()) return "a card was put on the table at the collection";
        if (cartas_en_mesa(m()) != 0) return "the collected trick is still shown";
    }

    if (vigia_.hubo_reparto) {
        if (std::string e = revisar_lugares(m(), vigia_.jugadas); !e.empty()) return e;
        if (std::string e = revisar_manos(m(), vigia_.destapado); !e.empty()) return e;
    }
    if (std::string e = revisar_botones(m()); !e.empty()) return e;

    // Games only go up inside a match: by the winner's 1 or 2 at the end of a
    // deal, by 2 for a tute; the match end puts everything back to 0.
    int juegos[2] = {valor_numerico(m().juegos_nosotros.caption),
                     valor_numerico(m().juegos_ellos.caption)};
    if (vigia_.partida_terminada) {
        for (const Etiqueta* e :
             {&m().tanteo_nosotros, &m().tanteo_ellos, &m().juegos_nosotros, &m().juegos_ellos})
            if (e->caption != texto::cero) return "a score label is not \"0\" after the match end";
        if (m().barajar.caption != texto::nueva_partida)
            return "barajar does not read \"NUEVA PARTIDA\" after the match end";
        return {};
    }
    int esperado[2] = {juegos_antes[0], juegos_antes[1]};
    auto sumar = [&esperado](Equipo e, int n) {
        if (e != Equipo::ninguno) esperado[e == Equipo::nosotros ? 0 : 1] += n;
    };
    sumar(vigia_.equipo_juego, vigia_.suma_juego);
    sumar(vigia_.equipo_tute, 2);
    if (juegos[0] != esperado[0] || juegos[1] != esperado[1])
        return "games went from " + std::to_string(juegos_antes[0]) + "/" +
               std::to_string(juegos_antes[1]) + " to " + std::to_string(juegos[0]) + "/" +
               std::to_string(juegos[1]) + ", expected " + std::to_string(esperado[0]) + "/" +
               std::to_string(esperado[1]);
    if (juegos[0] >= 8 || juegos[1] >= 8) return "a team has 8 games and the match goes on";
    return {};
}

} // namespace quimbel::sim
