// The follow of a computer seat: who has trumped decides the chain, and each
// chain tries its choosers in its own order.
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
        {"the partner's As makes the Tres unsafe", bastos, "yo:7c ar:5c", "de:4c Sc 3c", "Sc 3c 4c",
         "iz:Ac"},
        // A human holding the Tres would have to beat the Seis with it.
        {"for oros any As down keeps the Tres back; no human obligation", espadas,
         "ar:6o iz:5o yo:Ac", "de:3o 2o", "2o 3o"},
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
