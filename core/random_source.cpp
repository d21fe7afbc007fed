// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random_source.h"

#include <chrono>

namespace quimbel {

void FuenteAzar::barajar(int (&baraja)[por_carta]) {
    llenar_baraja([this] { return sortear(num_cartas); }, baraja);
}

AzarReloj::AzarReloj()
    : AzarReloj([] {
          return static_cast<std::uint64_t>(
              std::chrono::system_clock::now().time_since_epoch().count());
      }) {}

AzarReloj::AzarReloj(Reloj reloj) : reloj_(std::move(reloj)) {
    resembrar();
}

void AzarReloj::resembrar() {
    std::uint64_t mezcla = reloj_() ^ (++contador_ * 0xD1B54A32D192ED03ULL);
    estado_ ^= mezcla;
    splitmix64(estado_);
}

} // namespace quimbel
