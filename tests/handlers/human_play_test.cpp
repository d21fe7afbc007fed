// SPDX-License-Identifier: GPL-3.0-or-later
// The human's card against the obligations: one table of situations, each
// card clicked alone on a fresh table.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "checks/snapshot.h"
#include "handlers/controls.h"
#include "handlers/turn.h"
#include "support/players_table.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

// The game's messages, spelt out so that a changed text shows.
const std::string echar[5] = {"", "Tienes que ECHAR OROS", "Tienes que ECHAR COPAS",
                              "Tienes que ECHAR ESPADAS", "Tienes que ECHAR BASTOS"};
const std::string subir[5] = {"", "Tienes que SUBIR a OROS", "Tienes que SUBIR a COPAS",
                              "Tienes que SUBIR a ESPADAS", "Tienes que SUBIR a BASTOS"};
const std::string echar_pinta = "Tienes que ECHAR PINTA";
const std::string acepta; // no message: the card is played

struct Caso {
    const char* que;
    int pinta; // the trump card turned up
    int lider;
    std::vector<int> mesa; // the cards down, from the leader up to izquierda
    std::vector<int> mano; // the human's
    std::vector<std::pair<int, std::string>> clics; // a card clicked alone, and its message
};

// The table as jugando_Click leaves it for the human, with one card in hand
// for each seat still to follow him.
void poner(Mesa& m, const Caso& c) {
    vaciar_manos(m);
    limpiar_mesa(m);
    poner_pinta(m, c.pinta);
    m.quien_sale = c.lider;
    int asiento = c.lider;
    for (int codigo : c.mesa) poner_en_mesa(m, asiento++, codigo);
    if (!c.mesa.empty()) m.la_salida = palo_de_codigo(c.mesa[0]);
    dar_mano(m, yo, c.mano);
    auto usada = [&c](int k) {
        return k == c.pinta || std::ranges::count(c.mesa, k) || std::ranges::count(c.mano, k);
    };
    for (int sigue = derecha, libre = 1; sigue < c.lider; ++sigue, ++libre) {
        while (usada(libre)) ++libre;
        dar_mano(m, sigue, {libre});
    }
    m.puede_jugar = m.puede_recoger = false;
    habilitar_mis_cartas(m);
}

// Click the human's card `codigo`: the message it got, or `acepta`. A refused
// click leaves everything as it was but the human's row of the trick table.
std::string probar(const Caso& c, int codigo) {
    PlataformaQueAnota plataforma;
    AzarContado azar;
    Mesa m(plataforma, azar);
    poner(m, c);
    const revision::Foto antes = revision::fotografiar(m, true);
    const auto ranura = std::ranges::find(c.mano, codigo) - c.mano.begin() + 1;
    EXPECT_TRUE(pulsar_carta(m, static_cast<int>(ranura))) << "the human holds no " << codigo;
    EXPECT_EQ(m.en_baza[yo], codigo) << "row 4 holds the card clicked";
    const auto& mensajes = plataforma.mensajes;
    if (mensajes.empty()) return acepta;
    EXPECT_EQ(mensajes.size(), 1u) << "one message per click";
    EXPECT_EQ(revision::diferencias(antes, revision::fotografiar(m, true)), "")
        << "a refused click";
    EXPECT_TRUE(plataforma.puestas.empty() && plataforma.pausas_cortas == 0);
    return mensajes.front();
}

// clang-format off
std::vector<Caso> casos() {
    std::vector<Caso> v = {
        {"the partner's As: nothing of his beats it", tres_de(bastos), derecha,
         {rey(oros), as_de(oros), cuatro(oros)}, {tres_de(oros), dos(oros), cuatro(copas)},
         {{dos(oros), acepta}, {tres_de(oros), acepta}, {cuatro(copas), echar[oros]}}},
        {"second, after izquierda's Rey", tres_de(bastos), izquierda, {rey(oros)},
         {tres_de(oros), dos(oros), siete(bastos)},
         {{dos(oros), subir[oros]}, {siete(bastos), echar[oros]}, {tres_de(oros), acepta}}},
        {"third, the partner winning: still he must go over", cinco(oros), arriba,
         {sota(copas), dos(copas)}, {rey(copas), cuatro(copas)},
         {{cuatro(copas), subir[copas]}, {rey(copas), acepta}}},
        {"trumped: any card of the led suit, though he could beat it", dos(oros), derecha,
         {caballo(espadas), cinco(oros), sota(espadas)}, {dos(espadas), rey(espadas), as_de(oros)},
         {{dos(espadas), acepta}, {as_de(oros), echar[espadas]}}},
        {"trump led", cinco(oros), derecha, {sota(oros), cuatro(oros), caballo(oros)},
         {rey(oros), dos(oros), cinco(copas)},
         {{dos(oros), subir[oros]}, {cinco(copas), echar[oros]}, {rey(oros), acepta}}},
        {"trump led, none held", cinco(oros), derecha, {sota(oros), cuatro(oros), caballo(oros)},
         {cinco(copas), as_de(espadas)}, {{cinco(copas), acepta}, {as_de(espadas), acepta}}},
        {"void, second: trump, however low", tres_de(bastos), izquierda, {sota(copas)},
         {cinco(oros), as_de(espadas), dos(bastos)},
         {{cinco(oros), echar_pinta}, {as_de(espadas), echar_pinta}, {dos(bastos), acepta}}},
        {"void, fourth, the partner winning", tres_de(bastos), derecha,
         {sota(copas), as_de(copas), dos(copas)}, {as_de(espadas), dos(bastos)},
         {{as_de(espadas), echar[bastos]}, {dos(bastos), acepta}}},
        {"the trump down is the As", cinco(copas), derecha, {cinco(oros), as_de(copas), seis(oros)},
         {caballo(copas), dos(copas), tres_de(bastos)},
         {{tres_de(bastos), acepta}, {dos(copas), acepta}}},
        {"two trumps down: beat the higher", cinco(copas), derecha,
         {cinco(oros), sota(copas), rey(copas)}, {caballo(copas), tres_de(copas)},
         {{caballo(copas), subir[copas]}, {tres_de(copas), acepta}}},
        {"third, after izquierda trumped", cinco(espadas), arriba, {sota(bastos), sota(espadas)},
         {dos(espadas), rey(espadas), dos(oros)},
         {{dos(espadas), subir[espadas]}, {dos(oros), echar[espadas]}, {rey(espadas), acepta}}},
        {"neither the suit nor a trump", tres_de(bastos), arriba, {sota(espadas), dos(bastos)},
         {cinco(oros), as_de(copas)}, {{cinco(oros), acepta}, {as_de(copas), acepta}}},
        {"leading, nothing is refused", tres_de(bastos), yo, {}, {cinco(oros), as_de(bastos)},
         {{cinco(oros), acepta}}},
    };
    // Each suit led and each as trump: follow and beat; trump (third); over-trump the partner.
    for (int l = oros; l <= bastos; ++l) {
        const int t = l % 4 + 1, x = t % 4 + 1;
        v.push_back({"follow and beat", dos(t), derecha, {sota(l), cuatro(l), caballo(l)},
                     {cinco(x), dos(l), as_de(t), rey(l)},
                     {{cinco(x), echar[l]}, {as_de(t), echar[l]}, {dos(l), subir[l]}, {rey(l), acepta}}});
        v.push_back({"void, third", dos(t), arriba, {sota(l), cuatro(l)}, {cinco(x), cuatro(t)},
                     {{cinco(x), echar[t]}, {cuatro(t), acepta}}});
        v.push_back({"over-trump", dos(t), derecha, {sota(l), cinco(t), cuatro(l)},
                     {cinco(x), cuatro(t), rey(t)},
                     {{cinco(x), echar[t]}, {cuatro(t), subir[t]}, {rey(t), acepta}}});
    }
    return v;
}
// clang-format on

} // namespace

TEST(Obligaciones, EverySituationGivesItsOutcomeAndEveryMessageIsMet) {
    std::set<std::string> vistos;
    for (const Caso& c : casos())
        for (const auto& [codigo, mensaje] : c.clics) {
            EXPECT_EQ(probar(c, codigo), mensaje) << c.que << ": " << nombre_carta(codigo);
            vistos.insert(mensaje);
        }
    EXPECT_EQ(vistos.size(), 10u) << "eight ECHAR and SUBIR, ECHAR PINTA, and acceptance";
}
