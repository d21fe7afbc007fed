// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/table.h"

namespace quimbel {

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
