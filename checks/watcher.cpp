// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/watcher.h"

#include <algorithm>

#include "core/picture.h"
#include "scoring/points.h"

namespace quimbel::revision {

void Vigia::nuevo_reparto() {
    std::fill(std::begin(jugadas), std::end(jugadas), false);
    std::fill(std::begin(destapado), std::end(destapado), false);
    cantes = 0;
    hubo_reparto = true;
}

void Vigia::nueva_orden() {
    mensajes.clear();
    puestas.clear();
    partida_terminada = false;
    equipo_juego = Equipo::ninguno;
    suma_juego = 0;
    equipo_tute = Equipo::ninguno;
    fallo.clear();
}

void Vigia::carta_puesta(int asiento, int codigo) {
    if (!es_codigo(codigo)) {
        anotar("card code " + std::to_string(codigo) + " put on the table");
        return;
    }
    if (jugadas[codigo])
        anotar("card " + std::to_string(codigo) + " put on the table twice in one deal");
    jugadas[codigo] = true;
    puestas.push_back({asiento, codigo});
}

void Vigia::anuncio_mostrado(Anuncio a) {
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        if (a == anuncio_tute_caballos(asiento) || a == anuncio_tute_reyes(asiento)) {
            equipo_tute = equipo_de(asiento);
            destapado[asiento] = true;
            return;
        }
        if (a == anuncio_40(asiento)) {
            cantes += puntos_cuarenta;
            return;
        }
        for (int palo = oros; palo <= bastos; ++palo)
            if (a == anuncio_20(asiento, palo)) {
                cantes += puntos_veinte;
                return;
            }
    }
    if (a == Anuncio::ganpartida || a == Anuncio::perpartida) {
        partida_terminada = true;
        return;
    }
    // The end of a deal: the totals are final when its banner shows.
    const int nosotros = m_.nosotros.tanteo;
    const int ellos = m_.ellos.tanteo;
    if (nosotros + ellos != puntos_por_reparto + cantes)
        anotar("the deal ended " + std::to_string(nosotros) + " to " + std::to_string(ellos) +
               ", not " + std::to_string(puntos_por_reparto) + " plus the " +
               std::to_string(cantes) + " declared");
    const bool ganamos = a == Anuncio::ganjuego;
    if ((ganamos && nosotros < ellos) || (!ganamos && ellos < nosotros))
        anotar(std::string("the banner ") + std::string(nombre_anuncio(a)) + " follows " +
               std::to_string(nosotros) + " to " + std::to_string(ellos));
    equipo_juego = ganamos ? Equipo::nosotros : Equipo::ellos;
    suma_juego = (ganamos ? nosotros : ellos) > puntos_para_dos_juegos ? 2 : 1;
}

void Vigia::pausa() {
    const char* usable = nullptr;
    const Cuadro c = dibujar(m_);
    if (c.barajar.activo()) usable = "barajar";
    if (c.ordenamelas.activo()) usable = "ordenamelas";
    if (c.jugando.activo()) usable = "jugando";
    if (c.recoger.activo()) usable = "recoger";
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (c.manos[yo][i].visible && c.manos[yo][i].enabled) usable = "a card of the human";
    if (usable) anotar(std::string(usable) + " could act during a pause");
}

} // namespace quimbel::revision
