// SPDX-License-Identifier: GPL-3.0-or-later
// The lead of a computer seat: into the other team's Caballo and Rey, else
// "Salir x MALA" from a drawn first suit.
#include <gtest/gtest.h>

#include "players/lead.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

struct Lider : MesaDeJugadores {
    int contra_palo = -1; // the branch of the last lead
    // `lider` leads, its random first suit being r; the card it put down.
    int sale_con(int lider, int r) {
        m.quien_sale = lider;
        azar.guion.clear();
        azar.siguiente = 0;
        azar.dara(r, 4); // a pair lead draws nothing: no draw is left over
        const Salida s = salida(m, azar, Asiento{lider});
        contra_palo = s.contra_palo;
        return echa_ranura(lider, s.ranura);
    }
};

} // namespace

TEST_F(Lider, AgainstAPairTheAsOrALowCardElseAtRandomFromTheDrawnSuit) {
    struct Caso {
        const char* que;
        const char* manos; // the leader's first
        int salidas;       // times each suit has been led
        int r;             // the first suit drawn
        const char* juega;
        int cantan = 0;  // the suit named in Label4, 0 for "Salir x MALA"
        int declaro = 0; // a seat that has declared in espadas
    };
    const Caso casos[] = {
        // The second seat of the other team counts only while neither has
        // declared in the suit; the first always.
        {"derecha against yo's pair", "de:4o 7e yo:Ce 4c Re", 0, 1, "7e", espadas},
        {"not once arriba has declared in it", "de:4o 7e yo:Ce Re", 0, 1, "4o", 0, arriba},
        {"izquierda against arriba's, declared or not", "iz:4o 7e ar:Ce Re", 0, 1, "7e", espadas,
         arriba},
        {"arriba against izquierda's", "ar:4o 7e iz:Ce Re", 0, 1, "7e", espadas},
        {"not once izquierda has declared", "ar:4o 7e iz:Ce Re", 0, 1, "4o", 0, izquierda},
        {"a partner's pair or a half pair is no reason", "de:4o 7c 5e iz:Cc Rc", 0, 1, "4o"},
        {"nor is a half pair", "de:4o 7c 5e ar:Ce Ro", 0, 1, "4o"},
        {"against a pair the As first", "ar:4o 3o Ao iz:Ro Co", 1, 2, "Ao", oros},
        {"izquierda's As goes whatever its draw", "iz:4o Ao ar:Co Ro", 0, 1, "Ao", oros},
        {"then the Tres of a suit led once", "ar:4o 3o iz:Ro Co", 1, 2, "3o", oros},
        {"not of a suit led twice", "ar:4o 3o iz:Ro Co", 2, 2, "4o", oros},
        {"a pair suit it cannot lead gives way", "de:Ao 6b ar:Ce Re Cb Rb", 0, 1, "6b", bastos},
        {"a Tres of a suit never led is not led against a pair", "de:3c Ao ar:Cc Rc", 0, 4, "Ao"},
        {"the leader's low-card call tries the As first", "de:4o Ao", 0, 1, "Ao"},
        {"the drawn suit's low card first", "de:4o 4c 4e 4b", 0, 3, "4e"},
        {"from bastos the next suit is oros", "de:4e 4c 4o", 0, 4, "4o"},
        {"Caballo/Rey before the Tres of a suit never led", "de:3c Co", 0, 3, "Co"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        vaciar_manos(m);
        for (unsigned char& veces : m.salidas) veces = static_cast<unsigned char>(c.salidas);
        for (auto& palos : m.cantado) palos[espadas] = 0;
        m.cantado[c.declaro][espadas] = 1;
        const int lider = dar_manos(m, c.manos);
        EXPECT_EQ(sale_con(lider, c.r), carta(c.juega));
        EXPECT_EQ(contra_palo, c.cantan) << "the suit named in Label4, 0 for Salir x MALA";
    }

    // Not leading, so that the low-card call does not try the As itself: the
    // As round comes before the Tres round.
    m.quien_sale = arriba;
    mano(derecha, {tres_de(oros), as_de(espadas)});
    azar.dara(1, 4);
    EXPECT_EQ(echa_ranura(derecha, salir_mala(m, azar, Asiento{derecha})), as_de(espadas));
}
