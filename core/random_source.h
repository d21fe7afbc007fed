// SPDX-License-Identifier: GPL-3.0-or-later
// The pseudo-random source. The game reseeds it from the time of day before
// every draw; a scripted source ignores the reseed so that a seed replays a
// whole match exactly.
#pragma once

#include <cstdint>
#include <functional>

#include "core/card_set.h"

namespace quimbel {

// The integer part of (r * k + 1) for r in [0, 1): a number 1..k. Plain
// double arithmetic; the build forbids fused multiply-adds, so this rounds
// exactly as the scripted traces expect.
inline int de_uno_a(int k, double r) { return static_cast<int>(r * k + 1.0); }

class FuenteAzar {
public:
    virtual ~FuenteAzar() = default;
    // Reseed from the time of day (what the game asks before every draw).
    virtual void resembrar() = 0;
    // A number in [0, 1).
    virtual double aleatorio() = 0;

    // A draw as the game makes every one: reseed, then a number 1..k.
    virtual int sortear(int k) {
        resembrar();
        return de_uno_a(k, aleatorio());
    }
    // The shuffle's draws: see llenar_baraja. A source whose draws are cheap
    // runs its 170-odd draws without a call through this table for each.
    virtual void barajar(int (&baraja)[por_carta]);
};

// Deck positions 1..40 filled in turn with numbers 1..40, each drawn after a
// reseed; a number already in the deck is drawn again for the same position.
template <class Fuente> void llenar_baraja(Fuente& azar, int (&baraja)[por_carta]) {
    Conjunto en_baraja = 0; // the numbers already dealt into the deck
    for (int posicion = 1; posicion <= num_cartas;) {
        const int sorteo = azar.sortear(num_cartas);
        assert(es_codigo(sorteo));
        if (contiene(en_baraja, sorteo)) continue;
        baraja[posicion++] = sorteo;
        en_baraja |= una_carta(sorteo);
    }
}

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
    // de_uno_a(k, aleatorio()) with one multiplication fewer: (z * 2^-53) * k
    // and z * (k * 2^-53) both round the exact product z * k * 2^-53 once,
    // since multiplying by a power of two is exact. The same double, so the
    // same number.
    int sortear(int k) override {
        const double z = static_cast<double>(splitmix64(estado_) >> 11);
        return static_cast<int>(z * (k * 0x1.0p-53) + 1.0);
    }
    void barajar(int (&baraja)[por_carta]) override { llenar_baraja(*this, baraja); }

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
