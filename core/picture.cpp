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
    for (int asiento = derecha; asiento <= yo; ++asiento)
        for (int i = 1; i <= cartas_por_mano; ++i) {
            const int codigo = m.en_hueco[asiento][i];
            const bool en_mano = m.en_mano_en(asiento, i);
            // A played card's image keeps its face and Tag, hidden.
            c.manos[asiento][i] = Imagen{codigo == 0 ? sin_dibujo : naipe_de_codigo(codigo), codigo,
                                         en_mano, asiento != yo || m.juega_yo};
            if (asiento != yo)
                c.tapas[asiento][i] =
                    Imagen{dibujo_dorso, 0, en_mano && !m.destapado[asiento], true};
        }

    for (int asiento = derecha; asiento <= yo; ++asiento) {
        const int codigo = m.en_baza[asiento];
        c.centro[asiento] = Imagen{m.en_mesa[asiento] ? naipe_de_codigo(codigo) : sin_dibujo, 0,
                                   m.en_mesa[asiento], true};
        c.palo[asiento] = m.palo_en(asiento);
        c.valor[asiento] = m.valor_en(asiento);
        c.tag[asiento] = codigo;
    }
    c.la_salida = m.la_salida;
    c.la_pinta = m.la_pinta;

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
