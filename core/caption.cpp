// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/caption.h"

#include <cassert>
#include <charconv>
#include <iterator>

namespace quimbel {

void Rotulo::deletrear() const {
    if (es_numero_) {
        char cifras[12];
        const auto [fin, error] = std::to_chars(std::begin(cifras), std::end(cifras), numero_);
        assert(error == std::errc());
        (void)error;
        texto_.assign(cifras, fin);
    } else {
        texto_.assign(fijo_);
    }
    al_dia_ = true;
}

} // namespace quimbel
