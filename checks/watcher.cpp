#include "tools/watcher.h"

namespace quimbel::sim {

void Vigia::carta_puesta(int asiento, int codigo) {
    if (codigo < 1 || codigo > 40) {
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
            cantes += 40;
            return;
        }
        for (int palo = oros; palo <= bastos; ++palo)
            if (a == anuncio_20(asiento, palo)) {
                cantes += 20;
                return;
            }
    }
    if (a == Anuncio::ganpartida || a == Anuncio::perpartida) {
        partida_terminada = true;
        return;
    }
    // The end of a deal: the totals are final when its banner shows.
    int nosotros = valor_numerico(m_.tanteo_nosotros.caption);
    int ellos = valor_numerico(m_.tanteo_ellos.caption);
    if (nosotros + ellos != 130 + cantes)
        anotar("the deal ended " + std::to_string(nosotros) + " to " + std::to_string(ellos) +
               ", not 130 plus the " + std::to_string(cantes) + " declared");
    bool ganamos = a == Anuncio::ganjuego;
    if ((ganamos && nosotros < ellos) || (!ganamos && ellos < nosotros))
        anotar(std::string("the banner ") + std::string(nombre_anuncio(a)) + " follows " +
               std::to_string(nosotros) + " to " + std::to_string(ellos));
    equipo_juego = ganamos ? Equipo::nosotros : Equipo::ellos;
    suma_juego = (ganamos ? nosotros : ellos) > 100 ? 2 : 1;
}

void Vigia::pausa() {
    const char* usable = nullptr;
    if (m_.barajar.activo()) usable = "barajar";
    if (m_.ordenamelas.activo()) usable = "ordenamelas";
    if (m_.jugando.activo()) usable = "jugando";
    if (m_.recoger.activo()) usable = "recoger";
    for (int i = 1; i <= 10; ++i)
        if (m_.manos[yo][i].visible && m_.manos[yo][i].enabled) usable = "a card of the human";
    if (usable) anotar(std::string(usable) + " could act during a pause");
}

} // namespace quimbel::sim
