// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/playout.h"

#include <cassert>

#include "advisor/rollout_policy.h"
#include "core/obligations.h"
#include "handlers/play_out.h"
#include "scoring/points.h"

namespace quimbel::consejo {

namespace {

// How a deal ends, for a team that wins half of them: one game or two (above
// 100 points, or a tute) to either side. From the bench's deals.
constexpr double gana_uno = 0.3, gana_dos = 0.2;

// w[a][b]: our chance of the match at a games to b.
struct Tabla {
    double w[juegos_para_partida][juegos_para_partida] = {};
};

Tabla calcular_tabla() {
    Tabla t;
    auto& w = t.w;
    auto en = [&w](int a, int b) {
        if (a >= juegos_para_partida) return 1.0; // our team is checked first
        if (b >= juegos_para_partida) return 0.0;
        return w[a][b];
    };
    for (int a = juegos_para_partida - 1; a >= 0; --a)
        for (int b = juegos_para_partida - 1; b >= 0; --b)
            w[a][b] = gana_uno * en(a + 1, b) + gana_dos * en(a + 2, b) + gana_uno * en(a, b + 1) +
                      gana_dos * en(a, b + 2);
    return t;
}

// Worth less than one point in a thousand of the match's chance per point.
constexpr double peso_del_tanteo = 1e-4;

// The user's hand of a play-out: a click on a card the obligations refuse
// is answered at once, without running the handler that would refuse it.
struct SoloAceptadas {
    Mesa& m;
    bool operator()(Control c) const { return pulsar(m, c); }
    bool operator()(int ranura) const {
        return contiene(cartas_aceptadas(m), m.en_hueco[yo][ranura]) && pulsar_carta(m, ranura);
    }
};

} // namespace

void jugar_hasta_el_final(Mesa& m, bool sensata) {
    if (!sensata) {
        int bazas = 0;
        terminar_reparto(m, SoloAceptadas{m}, bazas);
        return;
    }
    while (jugar_hasta_su_turno(m)) {
        const int codigo = carta_sensata(m);
        assert(codigo != 0);
        pulsar_carta(m, hueco_de(m, codigo));
    }
}

bool jugar_hasta_su_turno(Mesa& m) {
    while (!m.puede_barajar) {
        if (m.puede_recoger)
            pulsar(m, Control::recoger);
        else if (m.puede_jugar)
            pulsar(m, Control::jugando);
        else
            return le_toca_a_yo(m);
    }
    return false;
}

double jugar_y_valorar(const Mesa& mundo, int hueco, std::uint64_t semilla, bool sensata) {
    assert(es_ranura(hueco) && mundo.en_mano_en(yo, hueco));
    PlataformaMundo plataforma;
    AzarGuionado azar(semilla);
    Mesa partida = mundo;
    partida.plataforma = &plataforma;
    partida.azar = &azar;
    pulsar_carta(partida, hueco);
    jugar_hasta_el_final(partida, sensata);
    return valor_del_final(partida, plataforma);
}

int hueco_de(const Mesa& m, int codigo) {
    assert(es_codigo(codigo));
    for (int i = 1; i <= cartas_por_mano; ++i)
        if (m.en_hueco[yo][i] == codigo) return i;
    return 0;
}

double chance_de_partida(int juegos_nosotros, int juegos_ellos) {
    static const Tabla tabla = calcular_tabla();
    if (juegos_nosotros >= juegos_para_partida) return 1.0;
    if (juegos_ellos >= juegos_para_partida) return 0.0;
    assert(juegos_nosotros >= 0 && juegos_ellos >= 0);
    return tabla.w[juegos_nosotros][juegos_ellos];
}

double valor_del_final(const Mesa& m, const PlataformaMundo& plataforma) {
    if (plataforma.fin_partida != 0) return plataforma.fin_partida > 0 ? 1.0 : 0.0;
    const int margen = m.nosotros.tanteo - m.ellos.tanteo;
    return chance_de_partida(m.nosotros.juegos, m.ellos.juegos) + peso_del_tanteo * margen;
}

} // namespace quimbel::consejo
