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
inline int de_uno_a(int k, double r) {
    return static_cast<int>(r * k + 1.0);
}

class FuenteAzar {
  public:
    virtual ~FuenteAzar() = default;
    // Whether this is the scripted source (AzarGuionado), whose draws
    // sortear(azar, k) makes without a call through the table.
    bool es_guionada() const { return guionada_; }

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

  protected:
    FuenteAzar() = default;
    explicit FuenteAzar(bool guionada) : guionada_(guionada) {}

  private:
    bool guionada_ = false;
};

// Deck positions 1..40 filled in turn with numbers 1..40, each drawn after a
// reseed (sortear_numero() makes one such draw); a number already in the deck
// is drawn again for the same position.
//
// Without a branch on the repeats: every draw is written at the position
// being filled, and the position moves on only when the number is new. A
// repeat comes at random, a third of the draws early in the deck and nearly
// all of them late, and a branch on it was the most mispredicted of a deal.
template <class Sorteo> void llenar_baraja(Sorteo sortear_numero, int (&baraja)[por_carta]) {
    Conjunto en_baraja = 0; // the numbers already dealt into the deck
    // The position counted from past the end, -40 .. -1: the count reaches 0
    // exactly when the deck is full.
    int* const pasado_el_final = baraja + por_carta;
    for (std::int64_t posicion = -num_cartas;;) {
        const auto sorteo = sortear_numero();
        assert(es_codigo(static_cast<int>(sorteo)));
#if defined(__x86_64__) && defined(__GCC_ASM_FLAG_OUTPUTS__)
        // Write the number at the position, test-and-set its bit (the old
        // bit lands in the carry) and add one less the carry to the
        // position: three instructions where the compiler wrote eight. The
        // zero flag ends the loop.
        bool lleno;
        asm("movl %k[numero], (%[pasado_el_final],%[posicion],4)\n\t"
            "btsq %[numero], %[en_baraja]\n\t"
            "sbbq $-1, %[posicion]"
            : "=@ccz"(lleno), [en_baraja] "+r"(en_baraja), [posicion] "+r"(posicion)
            : [numero] "r"(static_cast<std::uint64_t>(sorteo)), [pasado_el_final] "r"(
                                                                    pasado_el_final)
            : "memory");
        if (lleno) break;
#else
        pasado_el_final[posicion] = static_cast<int>(sorteo);
        posicion += !contiene(en_baraja, static_cast<int>(sorteo));
        en_baraja |= una_carta(static_cast<int>(sorteo));
        if (posicion == 0) break;
#endif
    }
}

// splitmix64: the next output of the state s. Inline: the shuffle draws about
// 170 numbers a deal. Its last step, z ^ (z >> 31), stands apart for the
// shuffle's draw below.
inline std::uint64_t splitmix64_sin_el_ultimo_paso(std::uint64_t& s) {
    s += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = s;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    return (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
}
inline std::uint64_t splitmix64(std::uint64_t& s) {
    const std::uint64_t z = splitmix64_sin_el_ultimo_paso(s);
    return z ^ (z >> 31);
}
// The top 53 bits of a 64-bit output as a double in [0, 1).
inline double a_unidad(std::uint64_t z) {
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

// de_uno_a(k, z * 2^-53) for a 53-bit z, in integers: the integer part of
// z * k / 2^53, plus one. It is the same number as the double arithmetic's,
// which the scripted traces pin, for every k in 1..1024 and every z outside a
// narrow band just below each whole multiple of 2^53; there it defers to the
// double arithmetic itself.
//
// Why. Let p = z * k (below 2^63), q = p / 2^53 and f = p % 2^53 (whole
// numbers), and take f < 2^53 - 2^12. The double arithmetic computes
// x = z * (k * 2^-53) + 1.0 in two roundings:
// - z * (k * 2^-53): k * 2^-53 is exact, so the product is p rounded to 53
//   bits, times 2^-53. p < 2^63, so the rounding moves it by at most 2^9; it
//   never passes below q * 2^53 (a double) and stays below
//   (q + 1) * 2^53 - 2^12 + 2^9. The product r lies in [q, q + 1 - 2^-42).
// - r + 1.0 lies in [q + 1, q + 2 - 2^-42). Both ends are doubles (q + 2 is at
//   most 1025, where doubles are 2^-42 apart), and rounding keeps a value
//   between two doubles that bracket it, so x lies in [q + 1, q + 2).
// The integer part of x is then q + 1. And x is de_uno_a's own number:
// (z * 2^-53) * k and z * (k * 2^-53) both round the exact z * k * 2^-53 once,
// multiplying by a power of two being exact.
inline constexpr int de_uno_a_entero(int k, std::uint64_t z) {
    constexpr std::uint64_t uno = std::uint64_t{1} << 53;   // 2^53
    constexpr std::uint64_t banda = std::uint64_t{1} << 12; // 2^12
    if (k >= 1 && k <= 1024) [[likely]] {
        // p * 2^11 in 128 bits: q is its high word, f * 2^11 its low word (one
        // multiplication, and q and f come apart without a shift or a mask).
        using Doble_palabra = unsigned __int128;
        const Doble_palabra producto = Doble_palabra{z} * (static_cast<std::uint64_t>(k) << 11);
        const auto entero = static_cast<std::uint64_t>(producto >> 64);  // q
        const auto fraccion_2_11 = static_cast<std::uint64_t>(producto); // f * 2^11
        if (fraccion_2_11 < (uno - banda) << 11) [[likely]]
            return static_cast<int>(entero) + 1;
    }
    return static_cast<int>(static_cast<double>(z) * (k * 0x1.0p-53) + 1.0);
}

// de_uno_a_entero(k, splitmix64(s) >> 11), the scripted source's draw, in
// fewer steps: y is splitmix64's output before its last step. The shuffle
// alone makes 170-odd draws a deal, most of the instructions of dealing one.
//
// Why it is the same number, for k in 1..1024. splitmix64's last step,
// z = y ^ (y >> 31), changes only the low 33 bits of y. de_uno_a_entero
// multiplies z >> 11 by k * 2^11 into 128 bits: the same as z with its low 11
// bits cleared, times k. That product and y * k differ by less than
// k * (2^33 + 2^11) < 2^44. So when the low word of y * k lies in
// [2^44, 2^64 - 2^23 - 2^44), the two have the same high word, and the low
// word of the first is below 2^64 - 2^23, where de_uno_a_entero takes the
// high word plus one. Elsewhere (about once in 2^19 draws) the draw is
// finished in full.
//
// numero_de gives the number as a 64-bit word, as the shuffle's set of
// numbers takes it; sorteo_de as the int every other draw gives.
inline std::uint64_t numero_de(int k, std::uint64_t y) {
    if (k >= 1 && k <= 1024) [[likely]] {
        const unsigned __int128 producto =
            static_cast<unsigned __int128>(y) * static_cast<unsigned>(k);
        constexpr std::uint64_t margen = std::uint64_t{1} << 44;
        constexpr std::uint64_t ancho = 0 - (std::uint64_t{1} << 23) - 2 * margen;
        if (static_cast<std::uint64_t>(producto) - margen < ancho) [[likely]]
            return static_cast<std::uint64_t>(producto >> 64) + 1;
    }
    return static_cast<std::uint64_t>(de_uno_a_entero(k, (y ^ (y >> 31)) >> 11));
}
inline int sorteo_de(int k, std::uint64_t y) {
    return static_cast<int>(numero_de(k, y));
}

// The scripted source: splitmix64 from a seed; the reseed does nothing.
class AzarGuionado final : public FuenteAzar {
  public:
    explicit AzarGuionado(std::uint64_t semilla = 0) : FuenteAzar(true), estado_(semilla) {}
    void sembrar(std::uint64_t semilla) { estado_ = semilla; }
    void resembrar() override {}
    double aleatorio() override { return a_unidad(splitmix64(estado_)); }
    // de_uno_a(k, aleatorio()), in integers (see de_uno_a_entero and
    // sorteo_de): the shuffle makes 170-odd draws a deal.
    int sortear(int k) override { return sorteo_de(k, splitmix64_sin_el_ultimo_paso(estado_)); }
    void barajar(int (&baraja)[por_carta]) override {
        // The state in a local: the deck's stores cannot then be taken to
        // touch it, and it stays in a register for the 170-odd draws.
        std::uint64_t estado = estado_;
        llenar_baraja(
            [&estado] { return numero_de(num_cartas, splitmix64_sin_el_ultimo_paso(estado)); },
            baraja);
        estado_ = estado;
    }

  private:
    std::uint64_t estado_;
};

// A draw, 1..k, from any source. The scripted source is the one every
// script, the bench and the soak draw from, twenty-odd times a deal besides
// the shuffle: its draw is made here, inline, not through the table.
inline int sortear(FuenteAzar& azar, int k) {
    if (azar.es_guionada()) [[likely]]
        return static_cast<AzarGuionado&>(azar).AzarGuionado::sortear(k);
    return azar.sortear(k);
}

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
