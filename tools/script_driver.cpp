// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script_driver.h"

#include "core/deal.h"
#include "handlers/controls.h"

namespace quimbel::sim {

Conductor::Conductor(Traza& traza, Oyente* oyente)
    : traza_(traza), oyente_(oyente), mesa_(*this, azar_) {}

void Conductor::mensaje(std::string_view texto) {
    traza_.rechazo(texto);
    if (oyente_) oyente_->mensaje(texto);
}

void Conductor::carta_puesta(int asiento, int codigo) {
    traza_.jugada(asiento, codigo);
    if (oyente_) oyente_->carta_puesta(asiento, codigo);
}

void Conductor::anuncio_mostrado(Anuncio a) {
    traza_.anuncio(a);
    if (oyente_) oyente_->anuncio_mostrado(a);
}

std::string Conductor::error_de(const Orden& orden) const {
    switch (orden.tipo) {
    case TipoOrden::seed: return {};
    case TipoOrden::load: return cargada_ ? "load twice" : "";
    case TipoOrden::press: return cargada_ ? "" : "press before load";
    case TipoOrden::click: return cargada_ ? "" : "click before load";
    }
    return {};
}

Resultado Conductor::ejecutar(const Orden& orden) {
    switch (orden.tipo) {
    case TipoOrden::seed:
        // From now on every draw comes from this seed; the reseed from the
        // clock before each draw does nothing under the scripted source.
        azar_.sembrar(orden.semilla);
        return Resultado::hecho;
    case TipoOrden::load:
        cargada_ = true;
        cargando_ = true;
        Form_Load(mesa_);
        cargando_ = false;
        traza_.estado(mesa_);
        return Resultado::hecho;
    case TipoOrden::press:
        if (!pulsar(mesa_, orden.boton)) {
            traza_.ignorado();
            return Resultado::ignorado;
        }
        if (terminado_) {
            traza_.salir();
            return Resultado::salir;
        }
        if (orden.boton == Control::barajar) traza_.reparto(mesa_);
        if (orden.boton == Control::ordenamelas) traza_.agrupado(mesa_);
        traza_.estado(mesa_);
        return Resultado::hecho;
    case TipoOrden::click:
        if (!pulsar_carta(mesa_, orden.carta)) {
            traza_.ignorado();
            return Resultado::ignorado;
        }
        traza_.estado(mesa_);
        return Resultado::hecho;
    }
    return Resultado::hecho;
}

FinGuion correr_guion(const std::function<bool(std::string&)>& leer, Traza& traza,
                      const std::function<void()>& volcar) {
    Conductor conductor(traza);
    std::string linea;
    long numero_linea = 0;
    while (leer(linea)) {
        ++numero_linea;
        LineaLeida l = leer_linea(linea);
        if (l.clase == LineaLeida::nada) continue;
        std::string que_falla =
            l.clase == LineaLeida::error ? l.que_falla : conductor.error_de(l.leida);
        if (!que_falla.empty())
            return {2, "error line " + std::to_string(numero_linea) + ": " + que_falla};
        Resultado r = conductor.ejecutar(l.leida);
        volcar();
        if (r == Resultado::salir) break;
    }
    return {};
}

FinGuion correr_guion(std::string_view guion, Traza& traza) {
    auto leer = [&guion](std::string& linea) {
        if (guion.empty()) return false;
        std::size_t fin = guion.find('\n');
        linea.assign(guion.substr(0, fin));
        guion.remove_prefix(fin == std::string_view::npos ? guion.size() : fin + 1);
        return true;
    };
    return correr_guion(leer, traza, [] {});
}

} // namespace quimbel::sim
