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

std::string_view nombre_del_lider(const Juego& m) {
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

std::string_view texto_de_nota(Nota nota) {
    switch (nota) {
    case Nota::nada: return {};
    case Nota::equipo_ninguno: return texto_equipo(Equipo::ninguno);
    case Nota::equipo_nosotros: return texto_equipo(Equipo::nosotros);
    case Nota::equipo_ellos: return texto_equipo(Equipo::ellos);
    case Nota::salir_x_mala: return texto::salir_x_mala;
    default:
        return texto::cantan_a[static_cast<int>(nota) - static_cast<int>(Nota::cantan_oros) + 1];
    }
}

} // namespace

Cuadro dibujar(const Juego& m) {
    Cuadro c;
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

    // The trump card keeps its face while hidden, until the next one is turned up.
    const int pinta = m.carta_de_pinta;
    c.pinta =
        Imagen{pinta == 0 ? sin_dibujo : naipe_de_codigo(pinta), pinta, m.pinta_a_la_vista, true};
    c.label2_visible = c.shape4_visible = m.pinta_a_la_vista;
    for (int asiento = derecha; asiento <= yo; ++asiento)
        c.mano_marcador[asiento] = m.hubo_reparto && asiento == m.turno_mano;
    if (m.anuncio_en_pantalla != sin_anuncio) c.anuncios[m.anuncio_en_pantalla] = true;
    c.Label4 = Etiqueta{Rotulo(texto_de_nota(m.nota)), false};
    c.label7 = m.ganador_ultima_baza;
    c.Label3 = m.lider_de_mi_baza;

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
