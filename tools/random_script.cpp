// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/random_script.h"

#include <optional>
#include <vector>

namespace quimbel::sim {

namespace {

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
    return puede_carta(m, i);
}

constexpr Control botones_del_juego[] = {Control::barajar, Control::ordenamelas, Control::jugando,
                                         Control::recoger};

// A command of the script as the checks see it.
revision::Accion accion(const Orden& o) {
    switch (o.tipo) {
    case TipoOrden::press: return {revision::Accion::pulsacion, o.boton, 0};
    case TipoOrden::click: return {revision::Accion::clic, Control::barajar, o.carta};
    case TipoOrden::seed:
    case TipoOrden::load: break;
    }
    return {};
}

} // namespace

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
            for (int i = 1; i <= cartas_por_mano; ++i)
                if (carta_activa(m(), i)) activas.push_back(i);
            std::optional<Orden> o;
            if (!activas.empty()) {
                o = clic(activas[dado_.indice(activas.size())]);
            } else {
                for (Control c : botones_del_juego)
                    if (puede(m(), c)) o = pulsacion(c);
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
        if (!puede(m(), c)) candidatas.push_back(pulsacion(c));
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (!carta_activa(m(), i)) candidatas.push_back(clic(i));
    return candidatas[dado_.indice(candidatas.size())];
}

bool Partida::orden(const Orden& o, Intencion intencion) {
    guion_ += texto_orden(o);
    guion_ += '\n';
    ++lineas_;
    ++cuenta_.ordenes;

    revisor_.antes();
    if (std::string e = conductor_.error_de(o); !e.empty()) {
        fallo_ = "the soak wrote a command the driver refuses: " + e;
        return false;
    }
    const Resultado r = conductor_.ejecutar(o);
    // A new seed changes nothing on the table.
    if (o.tipo != TipoOrden::seed) fallo_ = revisor_.despues(accion(o), intencion, r);
    if (!fallo_.empty()) return false;

    const revision::Vigia& vigia = revisor_.vigia;
    cuenta_.ignoradas += r == Resultado::ignorado;
    cuenta_.rechazos += !vigia.mensajes.empty();
    cuenta_.partidas += vigia.partida_terminada;
    if (o.tipo == TipoOrden::press && o.boton == Control::recoger && r == Resultado::hecho &&
        m().puede_barajar) {
        ++repartos_;
        ++cuenta_.repartos;
    }
    return true;
}

} // namespace quimbel::sim
