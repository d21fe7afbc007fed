// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/options.h"

#include <charconv>

#include "tools/shown_text.h"

namespace quimbel::sim {

namespace {

std::string rango(const OpcionNumerica& o) {
    return std::to_string(o.minimo) + " to " + std::to_string(o.maximo);
}

std::string leer_numero(const OpcionNumerica& o, std::string_view texto) {
    std::uint64_t n = 0;
    bool cifras = !texto.empty();
    for (char c : texto)
        if (c < '0' || c > '9') cifras = false;
    if (!cifras)
        return "option " + std::string(o.nombre) + " needs a number from " + rango(o) + ", not \"" +
               a_la_vista(texto) + "\"";
    auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
    (void)fin;
    if (error != std::errc() || n < o.minimo || n > o.maximo)
        return "option " + std::string(o.nombre) + " is out of range: " + a_la_vista(texto) +
               " (allowed " + rango(o) + ")";
    *o.valor = n;
    return {};
}

} // namespace

std::string leer_opciones(std::span<char* const> argumentos, std::span<OpcionNumerica> opciones) {
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::string_view arg = argumentos[i];
        std::string_view nombre = arg;
        std::string_view valor;
        bool valor_pegado = false;
        if (auto igual = arg.find('='); arg.starts_with("--") && igual != std::string_view::npos) {
            nombre = arg.substr(0, igual);
            valor = arg.substr(igual + 1);
            valor_pegado = true;
        }
        const OpcionNumerica* opcion = nullptr;
        for (const OpcionNumerica& o : opciones)
            if (o.nombre == nombre) opcion = &o;
        if (!opcion) {
            if (arg.starts_with("-")) return "unknown option " + entre_comillas(arg);
            return "unexpected argument " + entre_comillas(arg);
        }
        if (!valor_pegado) {
            if (i + 1 >= argumentos.size())
                return "option " + std::string(nombre) + " needs a number from " + rango(*opcion);
            valor = argumentos[++i];
        }
        if (std::string e = leer_numero(*opcion, valor); !e.empty()) return e;
    }
    return {};
}

} // namespace quimbel::sim
