#include "core/random_source.h"

#include <chrono>

namespace quimbel {

std::uint64_t splitmix64(std::uint64_t& s) {
    s += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = s;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

AzarReloj::AzarReloj()
    : AzarReloj([] {
          return static_cast<std::uint64_t>(
              std::chrono::system_clock::now().time_since_epoch().count());
      }) {}

AzarReloj::AzarReloj(Reloj reloj) : reloj_(std::move(reloj)) { resembrar(); }

void AzarReloj::resembrar() {
    std::uint64_t mezcla = reloj_() ^ (++contador_ * 0xD1B54A32D192ED03ULL);
    estado_ ^= mezcla;
    splitmix64(estado_);
}

} // namespace quimbel
