// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/shown_text.h"

namespace quimbel::sim {

namespace {

constexpr std::size_t a_lo_sumo = 32; // characters shown of one word

struct Vista {
    std::string texto;
    std::string corte; // empty when the whole text is shown
};

Vista ver(std::string_view texto) {
    static constexpr char hex[] = "0123456789abcdef";
    Vista v;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        std::string uno;
        if (c == '\\' || c == '"')
            uno = {'\\', static_cast<char>(c)};
        else if (c >= 0x20 && c < 0x7f)
            uno = static_cast<char>(c);
        else
            uno = {'\\', 'x', hex[c >> 4], hex[c & 0xf]};
        if (v.texto.size() + uno.size() > a_lo_sumo) {
            v.corte = "... (cut from " + std::to_string(texto.size()) + " bytes)";
            break;
        }
        v.texto += uno;
    }
    return v;
}

} // namespace

std::string a_la_vista(std::string_view texto) {
    Vista v = ver(texto);
    return v.texto + v.corte;
}

std::string entre_comillas(std::string_view texto) {
    Vista v = ver(texto);
    return "\"" + v.texto + "\"" + v.corte;
}

} // namespace quimbel::sim
