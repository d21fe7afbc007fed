// SPDX-License-Identifier: GPL-3.0-or-later
// The cards the human has not seen, and the ways to deal them to the three
// computer seats that agree with what he has seen: each seat gets as many as
// it has backs on the table, the trump card stays in the dealer's tenth slot
// until played, a declared pair was in its seat's hand, and a seat that did
// not follow a suit has none of it (nor any trump, when it did not trump a
// trick that had none: its chain always trumps then).
#pragma once

#include <cstdint>

#include "advisor/knowledge.h"
#include "core/random_source.h"

namespace quimbel::consejo {

// One world: the deal of the three computer seats, slot by slot, as it was at
// the start of the deal (the cards already played included).
struct Mundo {
    int codigo[por_asiento][por_ranura] = {}; // codigo[seat 1..3][slot 1..10]
};

// The advisor's own draws, apart from the game's.
class Dado {
  public:
    explicit Dado(std::uint64_t semilla) : estado_(semilla) {}
    std::uint64_t siguiente() { return splitmix64(estado_); }
    double unidad() { return a_unidad(siguiente()); } // in [0, 1)
    int hasta(int n) { return static_cast<int>(siguiente() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t estado_;
};

class Incognitas {
  public:
    explicit Incognitas(const Conocimiento& k);

    // Deal the unseen cards into a world, each deal that fits what was seen
    // equally likely; false when none fits (a table laid by hand).
    bool sortear(Dado& dado, Mundo& mundo) const;
    // Version 1.0's draw: the cards in a random order, each to a seat with a
    // chance in proportion to its room; not uniform when a seat has a void.
    // False when it ran into a dead end (the caller simply draws again).
    bool sortear_v1(Dado& dado, Mundo& mundo) const;

    int cuantas() const { return num_ocultas_; }

    // Whether a deal fits what was seen (the deal sortear draws from).
    bool admite(const Mundo& w) const;

    // How many ways the unseen cards of suits palo..bastos can fill seats
    // derecha and arriba with a and b cards (izquierda with the rest).
    double maneras(int palo, int a, int b) const { return maneras_[palo][a][b]; }

  private:
    Mundo conocido_; // the cards whose slot is public (played, or the trump)
    int libres_[por_asiento][cartas_por_mano] = {}; // the unknown slots of each seat
    int num_libres_[por_asiento] = {};
    int ocultas_[num_cartas] = {}; // the unseen cards, those forced to a seat excluded
    int num_ocultas_ = 0;
    int forzadas_[por_asiento][cartas_por_mano] =
        {}; // unseen cards that must be in the seat (declared pairs)
    int num_forzadas_[por_asiento] = {};
    unsigned sin_palo_[por_asiento] = {};         // bit p: the seat holds no card of suit p
    int de_palo_[por_palo][cartas_por_palo] = {}; // the unseen cards of each suit
    int num_de_palo_[por_palo] = {};
    double maneras_[por_palo + 1][por_ranura][por_ranura] = {};

    void contar_maneras();
    void repartir_en_huecos(Dado& dado, int (&reparto)[por_asiento][cartas_por_mano],
                            const int (&cuenta)[por_asiento], Mundo& mundo) const;
};

} // namespace quimbel::consejo
