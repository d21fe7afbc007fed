// SPDX-License-Identifier: GPL-3.0-or-later
// A table laid by hand for the computer seats' decision chains: hands, the
// trump, the trick so far, and a random source whose draws are scripted and
// counted, so that a test can say what each draw gives and how many were made.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "core/hand_slots.h"
#include "core/headless_platform.h"
#include "core/random_source.h"
#include "core/table.h"
#include "players/follow.h"
#include "players/seat_play.h"
#include "support/headless_table.h"

namespace quimbel::prueba {

// Gives the scripted draws in turn (then 0, which draws 1), and counts them.
class AzarContado final : public FuenteAzar {
  public:
    void resembrar() override { ++resiembras; }
    double aleatorio() override {
        ++sorteos;
        return siguiente < guion.size() ? guion[siguiente++] : 0.0;
    }
    // The next draw of sortear(m, k) will give r.
    void dara(int r, int k) { guion.push_back((r - 0.5) / k); }

    std::vector<double> guion;
    std::size_t siguiente = 0;
    int sorteos = 0;
    int resiembras = 0;
};

// Cards written short for tables of situations: the rank (2 4 5 6 7 S C R 3 A)
// then the suit (o c e b), "Sb" being the Sota of bastos.
inline int carta(std::string_view t) {
    constexpr std::string_view rangos = "24567SCR3A", palos = "oceb";
    return codigo_de(static_cast<int>(palos.find(t[1])) + 1,
                     static_cast<int>(rangos.find(t[0])) + 1);
}

// Seats' cards written short, "de:4c Sc iz:Ac" (the seats being de, ar, iz and
// yo): f(seat, card, n) for the n-th card written after each seat.
template <class F> void por_asiento(std::string_view texto, F f) {
    int asiento = 0, n = 0;
    for (std::size_t i = 0; (i = texto.find_first_not_of(' ', i)) != texto.npos;) {
        std::string_view t = texto.substr(i, texto.find(' ', i) - i);
        i += t.size();
        if (t.size() > 3 && t[2] == ':') {
            asiento =
                static_cast<int>(std::string_view("de ar iz yo").find(t.substr(0, 2))) / 3 + 1;
            n = 0;
            t.remove_prefix(3);
        }
        f(asiento, t, ++n);
    }
}

// Lay the hands written short in slots 1, 2 ... as the deal would; a card
// marked '-' ("-Cb") has been played from its slot. Gives the first seat.
inline int dar_manos(Mesa& m, std::string_view texto) {
    int primero = 0;
    por_asiento(texto, [&](int asiento, std::string_view t, int i) {
        if (i == 1) dar_mano(m, asiento, {});
        primero = primero ? primero : asiento;
        const bool jugada = t[0] == '-';
        colocar_carta(m, asiento, i, carta(t.substr(jugada)));
        if (jugada) retirar_carta(m, asiento, i);
    });
    return primero;
}

// The first seat of `manos` asked again and again on a trick laid by hand: it
// must put down the cards of `juega` in turn, each taken back off the table
// before the next call.
struct Situacion {
    const char* que; // what the case shows, printed when it fails
    int triunfo;
    const char* mesa;  // the trick so far, its leader first: "ar:4c yo:Sb"
    const char* manos; // the seat asked first: "de:5b Cb Ab iz:Ac"
    const char* juega;
    int turno_mano = derecha;
};

struct MesaDeJugadores : ::testing::Test {
    PlataformaQueAnota plataforma;
    AzarContado azar;
    Mesa m{plataforma, azar};

    void SetUp() override {
        vaciar_manos(m);
        limpiar_mesa(m);
        pinta(bastos);
        m.turno_mano = derecha;
    }

    void mano(int asiento, const std::vector<int>& codigos) { dar_mano(m, asiento, codigos); }
    // The Cuatro of `palo` turned up.
    void pinta(int palo) { poner_pinta(m, codigo_de(palo, 2)); }
    // `asiento` leads the trick with `codigo`.
    void sale(int asiento, int codigo) {
        m.quien_sale = asiento;
        m.la_salida = palo_de_codigo(codigo);
        poner_en_mesa(m, asiento, codigo);
    }
    void echa(int asiento, int codigo) { poner_en_mesa(m, asiento, codigo); }
    // Take `asiento`'s card back off the table (not into its hand), so that
    // the seat can be asked again in the same trick.
    void retirar(int asiento) {
        m.en_baza[asiento] = 0;
        m.en_mesa[asiento] = false;
    }
    // The card `asiento` put down, 0 while it has not played.
    int jugada(int asiento) const { return m.en_baza[asiento]; }
    // The seat puts down the card its chain chose (none for slot 0): the card.
    int echa_ranura(int asiento, int ranura) {
        if (ranura == 0) return 0;
        echar_carta(m, Asiento{asiento}, ranura);
        return jugada(asiento);
    }

    void jugar(const Situacion& s) {
        SCOPED_TRACE(s.que);
        vaciar_manos(m);
        limpiar_mesa(m);
        pinta(s.triunfo);
        m.turno_mano = s.turno_mano;
        m.la_salida = 0;
        por_asiento(s.mesa, [&](int asiento, std::string_view t, int) {
            m.la_salida ? echa(asiento, carta(t)) : sale(asiento, carta(t));
        });
        const int asiento = dar_manos(m, s.manos);
        por_asiento(s.juega, [&](int, std::string_view t, int) {
            EXPECT_EQ(echa_ranura(asiento, seguir(m, azar, Asiento{asiento})), carta(t))
                << "expected " << t;
            retirar(asiento);
        });
    }
};

// Card codes by name, for readable situations.
inline constexpr auto dos = [](int palo) { return codigo_de(palo, 1); };
inline constexpr auto cuatro = [](int palo) { return codigo_de(palo, 2); };
inline constexpr auto cinco = [](int palo) { return codigo_de(palo, 3); };
inline constexpr auto seis = [](int palo) { return codigo_de(palo, 4); };
inline constexpr auto siete = [](int palo) { return codigo_de(palo, 5); };
inline constexpr auto sota = [](int palo) { return codigo_de(palo, 6); };
inline constexpr auto caballo = [](int palo) { return codigo_de(palo, 7); };
inline constexpr auto rey = [](int palo) { return codigo_de(palo, 8); };
inline constexpr auto tres_de = [](int palo) { return codigo_de(palo, 9); };
inline constexpr auto as_de = [](int palo) { return codigo_de(palo, 10); };

} // namespace quimbel::prueba
