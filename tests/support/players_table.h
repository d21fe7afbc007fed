// A table laid by hand for the computer seats' decision chains: hands, the
// trump, the trick so far, and a random source whose draws are scripted and
// counted, so that a test can say what each draw gives and how many were made.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "core/headless_platform.h"
#include "core/random_source.h"
#include "core/table.h"
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

struct MesaDeJugadores : ::testing::Test {
    PlataformaDeCartas plataforma;
    AzarContado azar;
    Mesa m{plataforma, azar};

    void SetUp() override {
        vaciar_manos(m);
        limpiar_mesa(m);
        poner_pinta(m, codigo_de(bastos, 2)); // Cuatro de bastos unless a test says otherwise
        m.turno_mano = derecha;
    }

    void mano(int asiento, std::initializer_list<int> codigos) { dar_mano(m, asiento, codigos); }
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
};

// Card codes by name, for readable situations.
constexpr int dos(int palo) { return codigo_de(palo, 1); }
constexpr int cuatro(int palo) { return codigo_de(palo, 2); }
constexpr int cinco(int palo) { return codigo_de(palo, 3); }
constexpr int seis(int palo) { return codigo_de(palo, 4); }
constexpr int siete(int palo) { return codigo_de(palo, 5); }
constexpr int sota(int palo) { return codigo_de(palo, 6); }
constexpr int caballo(int palo) { return codigo_de(palo, 7); }
constexpr int rey(int palo) { return codigo_de(palo, 8); }
constexpr int tres_de(int palo) { return codigo_de(palo, 9); }
constexpr int as_de(int palo) { return codigo_de(palo, 10); }

} // namespace quimbel::prueba
