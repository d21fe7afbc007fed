// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script.h"

#include <array>
#include <cassert>
#include <charconv>
#include <vector>

#include "tools/shown_text.h"

namespace quimbel::sim {

namespace {

constexpr std::array<std::string_view, num_controles> nombres_boton = {
    "barajar", "ordenamelas", "jugando", "recoger", "Command2"};

bool es_blanco(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::vector<std::string_view> palabras(std::string_view linea) {
    std::vector<std::string_view> salida;
    std::size_t i = 0;
    while (i < linea.size()) {
        while (i < linea.size() && es_blanco(linea[i])) ++i;
        std::size_t inicio = i;
        while (i < linea.size() && !es_blanco(linea[i])) ++i;
        if (i > inicio) salida.push_back(linea.substr(inicio, i - inicio));
    }
    return salida;
}

// Plain decimal digits only: no sign, no blank, no other base.
bool leer_entero(std::string_view palabra, std::uint64_t& n, bool& desborda) {
    desborda = false;
    if (palabra.empty()) return false;
    for (char c : palabra)
        if (c < '0' || c > '9') return false;
    auto [fin, error] = std::from_chars(palabra.data(), palabra.data() + palabra.size(), n);
    (void)fin;
    if (error == std::errc::result_out_of_range) desborda = true;
    return true;
}

LineaLeida fallo(std::string texto) {
    LineaLeida l;
    l.clase = LineaLeida::error;
    l.que_falla = std::move(texto);
    return l;
}

} // namespace

std::string_view nombre_boton(Control c) {
    const auto i = static_cast<std::size_t>(c);
    assert(i < nombres_boton.size());
    return nombres_boton[i];
}

std::string texto_orden(const Orden& orden) {
    switch (orden.tipo) {
    case TipoOrden::seed: return "seed " + std::to_string(orden.semilla);
    case TipoOrden::load: return "load";
    case TipoOrden::press: return "press " + std::string(nombre_boton(orden.boton));
    case TipoOrden::click: return "click " + std::to_string(orden.carta);
    }
    return {};
}

LineaLeida leer_linea(std::string_view linea) {
    std::vector<std::string_view> p = palabras(linea);
    if (p.empty() || p[0].front() == '#') return {};

    LineaLeida l;
    l.clase = LineaLeida::orden;
    std::string_view orden = p[0];
    std::size_t palabras_esperadas = 2;
    if (orden == "load") {
        l.leida.tipo = TipoOrden::load;
        palabras_esperadas = 1;
    } else if (orden == "seed") {
        l.leida.tipo = TipoOrden::seed;
        if (p.size() < 2) return fallo("seed needs a number");
        bool desborda = false;
        if (!leer_entero(p[1], l.leida.semilla, desborda))
            return fallo("seed " + entre_comillas(p[1]) + " is not a number");
        if (desborda)
            return fallo("seed " + a_la_vista(p[1]) +
                         " is out of range (0 to 18446744073709551615)");
    } else if (orden == "press") {
        l.leida.tipo = TipoOrden::press;
        if (p.size() < 2) return fallo("press needs a button");
        bool conocido = false;
        for (std::size_t b = 0; b < nombres_boton.size(); ++b)
            if (p[1] == nombres_boton[b]) {
                l.leida.boton = static_cast<Control>(b);
                conocido = true;
            }
        if (!conocido) return fallo("unknown button " + entre_comillas(p[1]));
    } else if (orden == "click") {
        l.leida.tipo = TipoOrden::click;
        if (p.size() < 2) return fallo("click needs a card number");
        std::uint64_t n = 0;
        bool desborda = false;
        if (!leer_entero(p[1], n, desborda))
            return fallo("card number " + entre_comillas(p[1]) + " is not a number");
        if (desborda || n < 1 || n > 10)
            return fallo("card number " + a_la_vista(p[1]) + " is out of range (1 to 10)");
        l.leida.carta = static_cast<int>(n);
    } else {
        return fallo("unknown command " + entre_comillas(orden));
    }
    if (p.size() > palabras_esperadas)
        return fallo("extra word " + entre_comillas(p[palabras_esperadas]) + " after " +
                     std::string(orden));
    return l;
}

} // namespace quimbel::sim
