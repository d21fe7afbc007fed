// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/announcements.h"

namespace quimbel {

std::string_view nombre_anuncio(Anuncio a) {
    static constexpr std::string_view nombres[num_anuncios] = {
        "ganjuego", "perjuego",  "ganpartida",  "perpartida", "detutecab", "detuterey", "de40",
        "de20oros", "de20copas", "de20espadas", "de20bastos", "artutecab", "artuterey", "ar40",
        "ar20oros", "ar20copas", "ar20espadas", "ar20bastos", "iztutecab", "iztuterey", "iz40",
        "iz20oros", "iz20copas", "iz20espadas", "iz20bastos", "abtutecab", "abtuterey", "ab40",
        "ab20oros", "ab20copas", "ab20espadas", "ab20bastos",
    };
    const int i = static_cast<int>(a);
    assert(i >= 0 && i < num_anuncios);
    return nombres[i];
}

} // namespace quimbel
