// SPDX-License-Identifier: GPL-3.0-or-later
// The follow of a computer seat: who has trumped decides the chain, and each
// chain tries its choosers in its own order. With no card of the led suit:
// over-trump only with a card that beats the table, discard by which team is
// winning, Aces of the other suits last, and trump an untrumped trick with the
// cheapest trump.
#include <gtest/gtest.h>

#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

using Seguir = MesaDeJugadores;

TEST_F(Seguir, EachChainPlaysTheCardsOfTheSuitInItsOrder) {
    // Following suit: As; Tres if no As is out; a low card that beats the
    // table; Caballo/Rey that beats it; Tres if no opponent's As is down; low;
    // Caballo/Rey; Tres. The table is read by rank, whatever the suits.
    const Situacion casos[] = {
        {"the As first, then the Caballo that beats the Sota", bastos, "yo:Sc", "de:7c Cc Ac",
         "Ac Cc 7c"},
        {"no As of copas out: the Tres before a low card that wins", bastos, "yo:7c ar:5c",
         "de:4c Sc 3c", "3c Sc 4c"},
        {"the partner's As makes the Tres unsafe", bastos, "yo:7c ar:5c", "de:4c Sc 3c iz:Ac",
         "Sc 3c 4c"},
        {"for oros any As down keeps the Tres back, which a human would have to play", espadas,
         "ar:6o iz:5o yo:Ac", "de:3o 2o", "2o 3o"},
        {"the As of oros stops any low card: the Seis is not beaten as a human must", espadas,
         "ar:6c yo:Ao", "de:5c 7c", "5c 7c"},
        {"for copas only the As of copas does", espadas, "ar:4c yo:Ao", "de:6c 3c", "3c 6c"},
        {"void, it trumps even over its partner's As", espadas, "iz:Ac yo:4c", "de:So 4e", "4e So"},
        {"an opponent has trumped: the cheapest first", bastos, "ar:4c iz:6c yo:Sb",
         "de:Ac 3c Rc 7c", "7c Rc 3c Ac"},
        // The last seat found trumping is taken as the trick's: yo, arriba's partner.
        {"the partner has trumped: the most valuable first", bastos, "iz:4c yo:Sb de:Rb",
         "ar:7c Rc 3c Ac", "Ac 3c Rc 7c"},
        {"trumps led: followed, the As first", oros, "de:7o", "ar:4o Ao Rc", "Ao 4o"},
    };
    for (const Situacion& s : casos) jugar(s);
}

TEST_F(Seguir, EachVoidChainPlaysInItsOrder) {
    const Situacion casos[] = {
        {"the Cinco does not beat the Sota, the Caballo does", bastos, "ar:4c iz:5c yo:Sb",
         "de:5b Cb Ab", "Cb Ab 5b"},
        {"over the partner's trump too, with the cheapest that beats it", bastos,
         "ar:4c iz:7b yo:5c", "de:Rb 5b Sb", "Sb Rb 5b"},
        {"only the As beats a Tres of trumps", bastos, "ar:4c iz:3b yo:5c", "de:Rb Ab", "Ab Rb"},
        {"the partner winning: the most valuable discard, the losing trump last", bastos,
         "ar:4c iz:Rb yo:5c", "de:Cb 4e 3o", "3o 4e Cb"},
        {"the opponents winning: the cheapest discard", bastos, "ar:4c iz:5c yo:3b", "de:Cb 3o 4e",
         "4e 3o Cb"},
        {"an As of another suit after every other discard", oros, "de:4c ar:5o",
         "iz:4o Ae Sb Re 2o", "Sb Re Ae 4o 2o"},
        // Untrumped tricks.
        {"the cheapest trump, the Caballo and Rey last", copas, "ar:Ao", "de:Cc Ac 3c 2c",
         "2c 3c Ac Cc"},
        {"a trump even on the partner's winning Tres", copas, "yo:3o de:4o", "ar:Rb Sc", "Sc"},
        {"no trump, the other team winning: the cheapest, the As last", bastos, "ar:3o",
         "de:Ac 3e Rc 5e", "5e Rc 3e Ac", arriba},
        {"loading: Tres, Caballo/Rey, low, the As last", bastos, "de:So", "iz:Ac 4e Rc 3e",
         "3e Rc 4e Ac", yo},
    };
    for (const Situacion& s : casos) jugar(s);

    // The seat loads its partner's trick only in the deals whose first leader
    // plays right after it.
    const Situacion carga[] = {{"", bastos, "iz:Ao", "de:4c 3e Cc", ""},
                               {"", bastos, "yo:Ao", "ar:4c 3e Cc", ""},
                               {"", bastos, "de:Ao", "iz:4c 3e Cc", ""}};
    const int turno_que_carga[] = {arriba, izquierda, yo};
    for (int n = 0; n < 3; ++n) {
        for (int turno = derecha; turno <= yo; ++turno) {
            Situacion s = carga[n];
            s.turno_mano = turno;
            s.juega = turno == turno_que_carga[n] ? "3e" : "4c";
            s.que = s.juega[0] == '3' ? "loads" : "does not load";
            jugar(s);
        }
    }
}
