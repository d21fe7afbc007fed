// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/trace.h"

#include <charconv>

#include "core/picture.h"
#include "core/texts.h"

namespace quimbel::sim {

void Traza::numero(long long n) {
    char cifras[24];
    auto [fin, error] = std::to_chars(cifras, cifras + sizeof cifras, n);
    (void)error;
    texto_.append(cifras, fin);
}

void Traza::reparto(const Mesa& m) {
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        palabra("deal ");
        numero(asiento);
        for (int i = 1; i <= cartas_por_mano; ++i) {
            texto_ += ' ';
            numero(m.en_hueco[asiento][i]);
        }
        texto_ += '\n';
    }
    palabra("trump ");
    numero(m.carta_de_pinta);
    texto_ += '\n';
}

void Traza::agrupado(const Mesa& m) {
    palabra("group");
    for (int i = 1; i <= cartas_por_mano; ++i) {
        texto_ += ' ';
        numero(m.en_hueco[yo][i]);
    }
    texto_ += '\n';
}

void Traza::jugada(int asiento, int codigo) {
    palabra("play ");
    numero(asiento);
    texto_ += ' ';
    numero(codigo);
    texto_ += '\n';
}

void Traza::rechazo(std::string_view mensaje) {
    palabra("refuse ");
    palabra(mensaje);
    texto_ += '\n';
}

void Traza::anuncio(Anuncio a) {
    palabra("show ");
    palabra(nombre_anuncio(a));
    texto_ += '\n';
}

void Traza::baza(int asiento, Equipo equipo) {
    palabra("win ");
    numero(asiento);
    texto_ += ' ';
    palabra(texto_equipo(equipo));
    texto_ += '\n';
}

void Traza::estado(const Mesa& m) {
    const Cuadro c = dibujar(m);
    // A button counts as usable when it is both enabled and visible.
    auto boton = [this](std::string_view nombre, const Boton& b, bool con_caption) {
        texto_ += ' ';
        palabra(nombre);
        texto_ += '=';
        if (con_caption) {
            texto_ += '"';
            palabra(b.caption.texto());
            palabra("\",");
        }
        texto_ += b.activo() ? '1' : '0';
    };
    palabra("state baza=");
    numero(m.baza_numero);
    palabra(" sale=");
    numero(m.quien_sale);
    palabra(" mano=");
    numero(m.turno_mano);
    palabra(" tanteo=");
    palabra(c.tanteo_nosotros.caption.texto());
    texto_ += '/';
    palabra(c.tanteo_ellos.caption.texto());
    palabra(" juegos=");
    palabra(c.juegos_nosotros.caption.texto());
    texto_ += '/';
    palabra(c.juegos_ellos.caption.texto());
    boton("barajar", c.barajar, true);
    boton("jugando", c.jugando, true);
    boton("recoger", c.recoger, false);
    palabra(" agrupar=");
    texto_ += c.ordenamelas.visible ? '1' : '0';
    palabra(" label4=\"");
    palabra(c.Label4.caption.texto());
    palabra("\"\n");
}

void Traza::ignorado() {
    palabra("ignored\n");
}
void Traza::salir() {
    palabra("quit\n");
}

} // namespace quimbel::sim
