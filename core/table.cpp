// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table.h"

#include <charconv>

namespace quimbel {

Mesa::Mesa(Plataforma& plataforma_, FuenteAzar& azar_) : plataforma(&plataforma_), azar(&azar_) {}

int valor_numerico(std::string_view caption) {
    while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
    int n = 0;
    auto [fin, error] = std::from_chars(caption.data(), caption.data() + caption.size(), n);
    (void)fin;
    return error == std::errc() ? n : 0;
}

std::string_view nombre_asiento(int asiento) {
    static constexpr std::string_view nombres[por_asiento] = {"", "derecha", "arriba", "izquierda",
                                                              "yo"};
    return es_asiento(asiento) ? nombres[asiento] : "";
}

std::string_view nombre_centro(int asiento) {
    static constexpr std::string_view nombres[por_asiento] = {"", "oeste", "norte", "este", "sur"};
    return es_asiento(asiento) ? nombres[asiento] : "";
}

} // namespace quimbel
