// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picture.h"

#include "core/texts.h"

namespace quimbel {

namespace {

Etiqueta numero(int n) {
    Etiqueta e;
    e.caption.poner_numero(n);
    return e;
}

std::string_view nombre_del_lider(const Mesa& m) {
    if (m.nombre_de_salida == NombreDeSalida::la_mano) return texto::la_mano;
    switch (m.quien_sale) {
    case derecha: return texto::sale_derecha;
    case arriba: return texto::sale_arriba;
    case izquierda:
        return m.nombre_de_salida == NombreDeSalida::del_reparto ? texto::sale_izquierdo
                                                                 : texto::sale_izquierda;
    default: return texto::salgo_yo;
    }
}

} // namespace

Cuadro dibujar(const Mesa& m) {
    Cuadro c;
    static_cast<ElementosEscritos&>(c) = m;
    for (int i = 1; i <= cartas_por_mano; ++i) c.manos[yo][i].enabled = m.juega_yo;

    c.barajar = Boton{Rotulo(m.nueva_partida ? texto::nueva_partida : texto::barajar_y_repartir),
                      true, m.puede_barajar};
    c.jugando = Boton{Rotulo(nombre_del_lider(m)), true, m.puede_jugar};
    c.recoger = Boton{Rotulo(texto::tantearse_recoger), true, m.puede_recoger};
    c.Command2 = Boton{Rotulo(texto::salir), true, true};
    c.ordenamelas = Boton{Rotulo(texto::agrupar), m.ofrece_agrupar, true};

    c.tanteo_nosotros = numero(m.nosotros.tanteo);
    c.tanteo_ellos = numero(m.ellos.tanteo);
    c.juegos_nosotros = numero(m.nosotros.juegos);
    c.juegos_ellos = numero(m.ellos.juegos);
    return c;
}

} // namespace quimbel
