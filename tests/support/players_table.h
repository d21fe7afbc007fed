// A table laid by hand for the computer seats' decision chains: hands, the
// trump, the trick so far, and a random source whose draws are scripted and
// counted, so that a test can say what each draw gives and how many were made.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "core/headless_platform.h"
#include "core/random_source.h"
#include "core/table.h"
#include "players/follow.h"
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

struct CartaPuesta {
    int asiento;
    int codigo;
};

class PlataformaDeCartas final : public PlataformaSinPantalla {
  public:
    void carta_puesta(int asiento, int codigo) override { puestas.push_back({asiento, codigo}); }
    std::vector<CartaPuesta> puestas;
};

// Cards written short for tables of situations: the rank (2 4 5 6 7 S C R 3 A)
// then the suit (o c e b), "Sb" being the Sota of bastos; a seat's card on the
// table as "yo:Sb", the seats being de, ar, iz and yo.
inline int carta(std::string_view t) {
    constexpr std::string_view rangos = "24567SCR3A", palos = "oceb";
    return codigo_de(static_cast<int>(palos.find(t[1])) + 1,
                     static_cast<int>(rangos.find(t[0])) + 1);
}
inline int asiento_corto(std::string_view t) {
    constexpr std::string_view asientos = "de ar iz yo";
    return static_cast<int>(asientos.find(t.substr(0, 2))) / 3 + 1;
}
// The words of `texto`, split at spaces.
inline std::vector<std::string_view> palabras(std::string_view texto) {
    std::vector<std::string_view> v;
    for (std::size_t i = 0; (i = texto.find_first_not_of(' ', i)) != texto.npos;) {
        std::size_t fin = std::min(texto.find(' ', i), texto.size());
        v.push_back(texto.substr(i, fin - i));
        i = fin;
    }
    return v;
}

// dar_mano for a hand written short, "de:5b Cb Ab"; gives the seat.
inline int dar_mano_corta(Mesa& m, std::string_view texto) {
    const int asiento = asiento_corto(texto);
    dar_mano(m, asiento, {});
    int i = 1;
    for (std::string_view t : palabras(texto.substr(3))) {
        const int codigo = carta(t);
        m.manos[asiento][i] = Imagen{naipe_de_codigo(codigo), codigo, true, true};
        if (asiento != yo) m.tapas[asiento][i] = Imagen{dibujo_dorso, 0, true, true};
        m.cartas[asiento][palo_de_codigo(codigo)][i] = codigo;
        m.palos[asiento][i++] = palo_de_codigo(codigo);
    }
    return asiento;
}

// One seat asked again and again on a trick laid by hand: it must put down the
// cards of `juega` in turn, each taken back off the table before the next call.
struct Situacion {
    const char* que; // what the case shows, printed when it fails
    int triunfo;
    const char* mesa; // the trick so far, its leader first: "ar:4c yo:Sb"
    const char* mano; // the seat asked and its hand: "de:5b Cb Ab"
    const char* juega;
    const char* otra = ""; // another seat's hand: "iz:Ac"
    int turno_mano = derecha;
};

struct MesaDeJugadores : ::testing::Test {
    PlataformaDeCartas plataforma;
    AzarContado azar;
    Mesa m{plataforma, azar};

    void SetUp() override {
        vaciar_manos(m);
        limpiar_mesa(m);
        pinta(bastos);
        m.turno_mano = derecha;
    }

    void mano(int asiento, std::initializer_list<int> codigos) { dar_mano(m, asiento, codigos); }
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
        m.palo[asiento] = m.valor[asiento] = m.tag[asiento] = 0;
        m.centro[asiento].visible = false;
    }
    // The card `asiento` put down, 0 while it has not played.
    int jugada(int asiento) const { return m.tag[asiento]; }
    int cartas_puestas() const { return static_cast<int>(plataforma.puestas.size()); }

    void jugar(const Situacion& s) {
        SCOPED_TRACE(s.que);
        vaciar_manos(m);
        limpiar_mesa(m);
        pinta(s.triunfo);
        m.turno_mano = s.turno_mano;
        bool primera = true;
        for (std::string_view t : palabras(s.mesa)) {
            if (primera)
                sale(asiento_corto(t), carta(t.substr(3)));
            else
                echa(asiento_corto(t), carta(t.substr(3)));
            primera = false;
        }
        if (*s.otra) dar_mano_corta(m, s.otra);
        const int asiento = dar_mano_corta(m, s.mano);
        for (std::string_view t : palabras(s.juega)) {
            seguir(m, asiento);
            EXPECT_EQ(jugada(asiento), carta(t)) << "expected " << t;
            retirar(asiento);
        }
    }
};

// Card codes by name, for readable situations.
constexpr int dos(int palo) {
    return codigo_de(palo, 1);
}
constexpr int cuatro(int palo) {
    return codigo_de(palo, 2);
}
constexpr int cinco(int palo) {
    return codigo_de(palo, 3);
}
constexpr int seis(int palo) {
    return codigo_de(palo, 4);
}
constexpr int siete(int palo) {
    return codigo_de(palo, 5);
}
constexpr int sota(int palo) {
    return codigo_de(palo, 6);
}
constexpr int caballo(int palo) {
    return codigo_de(palo, 7);
}
constexpr int rey(int palo) {
    return codigo_de(palo, 8);
}
constexpr int tres_de(int palo) {
    return codigo_de(palo, 9);
}
constexpr int as_de(int palo) {
    return codigo_de(palo, 10);
}

} // namespace quimbel::prueba
