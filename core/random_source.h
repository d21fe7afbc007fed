// SPDX-License-Identifier: GPL-3.0-or-later
// The pseudo-random source. The game reseeds it from the time of day before
// every draw; a scripted source ignores the reseed so that a seed replays a
// whole match exactly.
#pragma once

#include <cstdint>
#include <functional>

namespace quimbel {

class FuenteAzar {
public:
    virtual ~FuenteAzar() = default;
    // Reseed from the time of day (what the game asks before every draw).
    virtual void resembrar() = 0;
    // A number in [0, 1).
    virtual double aleatorio() = 0;
};

// splitmix64: the next output of the state s. Inline: the shuffle draws about
// 170 numbers a deal.
inline std::uint64_t splitmix64(std::uint64_t& s) {
    s += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = s;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
// The top 53 bits of a 64-bit output as a double in [0, 1).
inline double a_unidad(std::uint64_t z) { return static_cast<double>(z >> 11) * 0x1.0p-53; }

// The scripted source: splitmix64 from a seed; the reseed does nothing.
class AzarGuionado final : public FuenteAzar {
public:
    explicit AzarGuionado(std::uint64_t semilla = 0) : estado_(semilla) {}
    void sembrar(std::uint64_t semilla) { estado_ = semilla; }
    void resembrar() override {}
    double aleatorio() override { return a_unidad(splitmix64(estado_)); }

private:
    std::uint64_t estado_;
};

// The real source. Each reseed mixes the clock into the previous state
// together with a counter, so that many reseeds within one tick of the clock
// still give fresh numbers: the shuffle, which reseeds before every draw,
// never waits for the clock to move.
class AzarReloj final : public FuenteAzar {
public:
    using Reloj = std::function<std::uint64_t()>;
    AzarReloj(); // the system clock, in nanoseconds
    explicit AzarReloj(Reloj reloj);
    void resembrar() override;
    double aleatorio() override { return a_unidad(splitmix64(estado_)); }

private:
    Reloj reloj_;
    std::uint64_t estado_ = 0;
    std::uint64_t contador_ = 0;
};

} // namespace quimbel
