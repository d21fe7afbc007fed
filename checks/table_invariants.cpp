// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/table_invariants.h"

#include "core/picture.h"
#include "core/table_check.h"

namespace quimbel::revision {

namespace {

bool activa(const Imagen& i) {
    return i.visible && i.enabled;
}

} // namespace

std::string revisar_lugares(const Mesa& mesa, const bool (&jugadas)[por_carta]) {
    const Cuadro m = dibujar(mesa);
    int en_mano[por_carta] = {};
    int en_centro[por_carta] = {};
    for (int s = derecha; s <= yo; ++s) {
        for (int i = 1; i <= cartas_por_mano; ++i) {
            const Imagen& img = m.manos[s][i];
            if (!img.visible) continue;
            if (!es_codigo(img.tag))
                return "hand image " + std::string(nombre_asiento(s)) + "(" + std::to_string(i) +
                       ") is visible with Tag " + std::to_string(img.tag);
            ++en_mano[img.tag];
        }
        const Imagen& centro = m.centro[s];
        if (!centro.visible) continue;
        if (!es_codigo(centro.dibujo))
            return "centre image " + std::string(nombre_centro(s)) + " is shown with no card face";
        ++en_centro[naipe_codigo(centro.dibujo)];
    }
    for (int c = 1; c <= num_cartas; ++c) {
        const bool jugada = jugadas[c];
        if (en_centro[c] && !jugada)
            return "card " + std::to_string(c) + " is shown in the centre but was never put there";
        const int recogida = jugada && !en_centro[c] ? 1 : 0;
        int lugares = en_mano[c] + en_centro[c] + recogida;
        if (lugares != 1)
            return "card " + std::to_string(c) + " is in " + std::to_string(lugares) +
                   " places (hands " + std::to_string(en_mano[c]) + ", centre " +
                   std::to_string(en_centro[c]) + ", collected " + std::to_string(recogida) + ")";
    }
    return {};
}

std::string revisar_manos(const Mesa& mesa, const bool (&destapado)[por_asiento]) {
    if (const char* fallo = desacuerdo_en_mesa(mesa)) return fallo;
    const Cuadro m = dibujar(mesa);
    for (int s = derecha; s <= yo; ++s) {
        std::string asiento(nombre_asiento(s));
        for (int i = 1; i <= cartas_por_mano; ++i) {
            const Imagen& img = m.manos[s][i];
            std::string hueco = asiento + "(" + std::to_string(i) + ")";
            if (img.visible && (!es_codigo(img.dibujo) || naipe_codigo(img.dibujo) != img.tag))
                return hueco + " shows a face that is not its Tag " + std::to_string(img.tag);
            if (s == yo) continue;
            const Imagen& dorso = m.tapas[s][i];
            if (dorso.visible && !img.visible) return "a card back covers the empty slot " + hueco;
            if (img.visible && !dorso.visible && !destapado[s])
                return hueco + " shows its face although its seat declared no tute";
        }
    }
    if (m.pinta.visible && m.la_pinta != palo_de_codigo(m.pinta.tag))
        return "la_pinta is " + std::string(nombre_palo(m.la_pinta)) + " but the trump card is " +
               nombre_carta(m.pinta.tag);
    return {};
}

std::string revisar_botones(const Mesa& mesa) {
    const Cuadro m = dibujar(mesa);
    bool barajar = m.barajar.activo();
    bool jugando = m.jugando.activo();
    bool recoger = m.recoger.activo();
    bool agrupar = m.ordenamelas.visible;
    int cartas_activas = 0;
    int cartas_visibles = 0;
    for (int i = 1; i <= cartas_por_mano; ++i) {
        cartas_visibles += m.manos[yo][i].visible;
        cartas_activas += activa(m.manos[yo][i]);
    }
    bool humano = cartas_activas > 0;
    bool ok = false;
    if (!m.Command2.activo()) {
        ok = false;
    } else if (barajar) { // ready to deal
        ok = !jugando && !recoger && !agrupar && !humano;
    } else if (agrupar) { // dealt
        ok = m.ordenamelas.enabled && !jugando && !recoger && !humano;
    } else if (jugando) { // trick ready
        ok = !recoger && !humano;
    } else if (humano) { // human to play: all his cards answer
        ok = !recoger && cartas_activas == cartas_visibles;
    } else { // trick complete
        ok = recoger;
    }
    if (ok) return {};
    return "the controls are in no state of the turn driver: barajar=" + std::to_string(barajar) +
           " ordenamelas=" + std::to_string(agrupar) + "/" + std::to_string(m.ordenamelas.enabled) +
           " jugando=" + std::to_string(jugando) + " recoger=" + std::to_string(recoger) +
           " SALIR=" + std::to_string(m.Command2.activo()) +
           " cards=" + std::to_string(cartas_activas) + "/" + std::to_string(cartas_visibles);
}

} // namespace quimbel::revision
