// The human's card against the obligations: follow suit and beat the table
// when he can (unless the trick is trumped); without the suit, trump, and
// over-trump when he can; no exception for a trick his partner is winning.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/controls.h"
#include "core/texts.h"
#include "core/turn.h"
#include "support/headless_table.h"
#include "table_checks.h"

using namespace quimbel;
using prueba::MesaQueAnota;

namespace {

const std::string acepta; // no message: the card is played

// Card codes: 10 * (suit - 1) + rank order (Dos 1, Cuatro 2, Cinco 3, Seis 4,
// Siete 5, Sota 6, Caballo 7, Rey 8, Tres 9, As 10).
constexpr int carta(int palo, int rango) {
    return codigo_de(palo, rango);
}

struct Situacion {
    int pinta;             // the trump card turned up
    int lider;             // quien_sale
    std::vector<int> mesa; // the cards down, from the leader to izquierda
    std::vector<int> mano; // the human's hand
};

void dar(Mesa& m, int asiento, const std::vector<int>& codigos) {
    int i = 1;
    for (int codigo : codigos) {
        Imagen& imagen = m.manos[asiento][i];
        imagen = Imagen{naipe_de_codigo(codigo), codigo, true, imagen.enabled};
        m.cartas[asiento][palo_de_codigo(codigo)][i] = codigo;
        m.palos[asiento][i] = palo_de_codigo(codigo);
        if (asiento != yo) m.tapas[asiento][i] = Imagen{dibujo_dorso, 0, true, true};
        ++i;
    }
}

// The table as jugando_Click leaves it for the human: the cards before his on
// the table, his cards clickable, and one card in hand for each seat still to
// follow him.
void poner(Mesa& m, const Situacion& s) {
    prueba::vaciar_manos(m);
    prueba::limpiar_mesa(m);
    prueba::poner_pinta(m, s.pinta);
    m.quien_sale = s.lider;
    bool usada[41] = {};
    usada[s.pinta] = true;
    int asiento = s.lider;
    for (int codigo : s.mesa) {
        prueba::poner_en_mesa(m, asiento++, codigo);
        usada[codigo] = true;
    }
    if (!s.mesa.empty()) m.la_salida = palo_de_codigo(s.mesa.front());
    for (int codigo : s.mano) usada[codigo] = true;
    dar(m, yo, s.mano);
    int libre = 1;
    for (int sigue = derecha; sigue < (s.lider <= izquierda ? s.lider : yo); ++sigue) {
        while (usada[libre]) ++libre;
        usada[libre] = true;
        dar(m, sigue, {libre});
    }
    m.jugando.enabled = false;
    m.recoger.enabled = false;
    habilitar_mis_cartas(m);
}

// Click the human's card `codigo`: the message it got, or `acepta`.
std::string probar(const Situacion& s, int codigo) {
    MesaQueAnota t;
    Mesa& m = t.m;
    poner(m, s);
    int ranura = prueba::ranura_yo(m, codigo);
    EXPECT_NE(ranura, 0) << "the human does not hold " << codigo;
    EXPECT_TRUE(pulsar_carta(m, ranura));
    const auto& mensajes = t.plataforma.mensajes;
    EXPECT_LE(mensajes.size(), 1u) << "one message at most per click";
    if (mensajes.empty()) {
        EXPECT_FALSE(m.manos[yo][ranura].visible);
        EXPECT_EQ(m.carta_rechazada, 0);
        return acepta;
    }
    EXPECT_TRUE(m.manos[yo][ranura].visible);
    EXPECT_EQ(m.carta_rechazada, 1);
    return mensajes.front();
}

} // namespace

TEST(Obligaciones, HoldingTheLedSuitHeMustFollowItAndBeatTheTableWhenHeCan) {
    for (int palo = oros; palo <= bastos; ++palo) {
        SCOPED_TRACE(nombre_palo(palo));
        int triunfo = palo % 4 + 1;
        int otro = triunfo % 4 + 1;
        // Sota led, Cuatro, Caballo: the highest of the suit down is the Caballo.
        Situacion s{carta(triunfo, 1),
                    derecha,
                    {carta(palo, 6), carta(palo, 2), carta(palo, 7)},
                    {carta(otro, 3), carta(palo, 1), carta(triunfo, 10), carta(palo, 8)}};
        EXPECT_EQ(probar(s, carta(otro, 3)), texto::echar[palo]);
        EXPECT_EQ(probar(s, carta(triunfo, 10)), texto::echar[palo])
            << "no trumping while he has the suit";
        EXPECT_EQ(probar(s, carta(palo, 1)), texto::subir[palo]);
        EXPECT_EQ(probar(s, carta(palo, 8)), acepta);
    }

    // Rey led, the partner's As on it: nothing of his beats the As, so any oros goes.
    Situacion nada_sube{carta(bastos, 3),
                        derecha,
                        {carta(oros, 8), carta(oros, 10), carta(oros, 2)},
                        {carta(oros, 9), carta(oros, 1), carta(copas, 4)}};
    EXPECT_EQ(probar(nada_sube, carta(oros, 1)), acepta);
    EXPECT_EQ(probar(nada_sube, carta(oros, 9)), acepta);
    EXPECT_EQ(probar(nada_sube, carta(copas, 4)), texto::echar[oros]);

    // Playing second, after izquierda's Rey.
    Situacion segundo{carta(bastos, 3),
                      izquierda,
                      {carta(oros, 8)},
                      {carta(oros, 9), carta(oros, 1), carta(bastos, 5)}};
    EXPECT_EQ(probar(segundo, carta(oros, 1)), texto::subir[oros]);
    EXPECT_EQ(probar(segundo, carta(bastos, 5)), texto::echar[oros]);
    EXPECT_EQ(probar(segundo, carta(oros, 9)), acepta);

    // Playing third, his partner winning with the Sota: he must still go over it.
    Situacion companero{carta(oros, 3),
                        arriba,
                        {carta(copas, 6), carta(copas, 1)},
                        {carta(copas, 8), carta(copas, 2)}};
    EXPECT_EQ(probar(companero, carta(copas, 2)), texto::subir[copas]);
    EXPECT_EQ(probar(companero, carta(copas, 8)), acepta);
}

TEST(Obligaciones, HoldingTheLedSuitInATrumpedTrickAnyCardOfTheSuitGoes) {
    // Trump oros: arriba trumps the Caballo of espadas.
    for (int lider : {derecha, arriba}) {
        SCOPED_TRACE(lider);
        std::vector<int> mesa =
            lider == derecha
                ? std::vector<int>{carta(espadas, 7), carta(oros, 3), carta(espadas, 6)}
                : std::vector<int>{carta(espadas, 7), carta(oros, 3)};
        Situacion s{carta(oros, 1),
                    lider,
                    mesa,
                    {carta(espadas, 1), carta(oros, 10), carta(espadas, 10), carta(copas, 5)}};
        EXPECT_EQ(probar(s, carta(espadas, 1)), acepta) << "lower than every espadas down";
        EXPECT_EQ(probar(s, carta(espadas, 10)), acepta);
        EXPECT_EQ(probar(s, carta(oros, 10)), texto::echar[espadas]);
        EXPECT_EQ(probar(s, carta(copas, 5)), texto::echar[espadas]);
    }
}

TEST(Obligaciones, TrumpLedIsFollowedAndBeatenLikeAnyOtherSuit) {
    Situacion s{carta(oros, 5),
                derecha,
                {carta(oros, 6), carta(oros, 2), carta(oros, 7)},
                {carta(oros, 8), carta(oros, 1), carta(copas, 5)}};
    EXPECT_EQ(probar(s, carta(oros, 1)), texto::subir[oros]);
    EXPECT_EQ(probar(s, carta(copas, 5)), texto::echar[oros]);
    EXPECT_EQ(probar(s, carta(oros, 8)), acepta);

    Situacion sin_triunfo{carta(oros, 5),
                          derecha,
                          {carta(oros, 6), carta(oros, 2), carta(oros, 7)},
                          {carta(copas, 5), carta(espadas, 10)}};
    EXPECT_EQ(probar(sin_triunfo, carta(copas, 5)), acepta);
    EXPECT_EQ(probar(sin_triunfo, carta(espadas, 10)), acepta);
}

TEST(Obligaciones, WithoutTheLedSuitAndNoTrumpDownHeMustTrump) {
    // Trump bastos, copas led; he holds no copas but a low bastos.
    std::vector<int> mano{carta(oros, 5), carta(espadas, 10), carta(bastos, 1)};
    Situacion segundo{carta(bastos, 3), izquierda, {carta(copas, 6)}, mano};
    EXPECT_EQ(probar(segundo, carta(oros, 5)), texto::echar_pinta);
    EXPECT_EQ(probar(segundo, carta(espadas, 10)), texto::echar_pinta);
    EXPECT_EQ(probar(segundo, carta(bastos, 1)), acepta) << "any trump, however low";

    Situacion tercero{carta(bastos, 3), arriba, {carta(copas, 6), carta(copas, 2)}, mano};
    EXPECT_EQ(probar(tercero, carta(oros, 5)), texto::echar[bastos]);
    EXPECT_EQ(probar(tercero, carta(bastos, 1)), acepta);

    // Fourth, his partner winning with the As of copas: he must trump all the same.
    Situacion cuarto{
        carta(bastos, 3), derecha, {carta(copas, 6), carta(copas, 10), carta(copas, 2)}, mano};
    EXPECT_EQ(probar(cuarto, carta(espadas, 10)), texto::echar[bastos]);
    EXPECT_EQ(probar(cuarto, carta(bastos, 1)), acepta);

    // Each trump suit names itself when he plays third or fourth.
    for (int triunfo = oros; triunfo <= bastos; ++triunfo) {
        int salida = triunfo % 4 + 1;
        int otro = salida % 4 + 1;
        Situacion s{carta(triunfo, 3),
                    arriba,
                    {carta(salida, 6), carta(salida, 2)},
                    {carta(otro, 1), carta(triunfo, 2)}};
        EXPECT_EQ(probar(s, carta(otro, 1)), texto::echar[triunfo]);
    }
}

TEST(Obligaciones, WithoutTheLedSuitAndTrumpsDownHeMustOverTrumpWhenHeCan) {
    // Trump copas: derecha leads oros, arriba (his partner) trumps with the
    // Cuatro, izquierda follows with oros. Still he must over-trump.
    Situacion bajo{carta(copas, 5),
                   derecha,
                   {carta(oros, 3), carta(copas, 2), carta(oros, 4)},
                   {carta(copas, 7), carta(copas, 1), carta(bastos, 3)}};
    EXPECT_EQ(probar(bajo, carta(bastos, 3)), texto::echar[copas]);
    EXPECT_EQ(probar(bajo, carta(copas, 1)), texto::subir[copas]);
    EXPECT_EQ(probar(bajo, carta(copas, 7)), acepta);

    // The trump down is the As: he cannot over-trump, so anything goes.
    Situacion alto = bajo;
    alto.mesa[1] = carta(copas, 10);
    EXPECT_EQ(probar(alto, carta(bastos, 3)), acepta);
    EXPECT_EQ(probar(alto, carta(copas, 1)), acepta);

    // Two trumps down: the higher one (izquierda's Rey) is the one to beat.
    Situacion dos{carta(copas, 5),
                  derecha,
                  {carta(oros, 3), carta(copas, 6), carta(copas, 8)},
                  {carta(copas, 7), carta(copas, 9)}};
    EXPECT_EQ(probar(dos, carta(copas, 7)), texto::subir[copas]);
    EXPECT_EQ(probar(dos, carta(copas, 9)), acepta);

    // Third, after izquierda trumped arriba's lead with espadas.
    Situacion tercero{carta(espadas, 5),
                      arriba,
                      {carta(bastos, 6), carta(espadas, 6)},
                      {carta(espadas, 1), carta(espadas, 8), carta(oros, 1)}};
    EXPECT_EQ(probar(tercero, carta(espadas, 1)), texto::subir[espadas]);
    EXPECT_EQ(probar(tercero, carta(oros, 1)), texto::echar[espadas]);
    EXPECT_EQ(probar(tercero, carta(espadas, 8)), acepta);
}

TEST(Obligaciones, WithNeitherTheLedSuitNorATrumpAnyCardGoes) {
    std::vector<int> mano{carta(oros, 5), carta(copas, 10)};
    for (std::vector<int> mesa : {std::vector<int>{carta(espadas, 6)},
                                  std::vector<int>{carta(espadas, 6), carta(bastos, 2)}}) {
        Situacion s{carta(bastos, 3), mesa.size() == 1 ? izquierda : arriba, mesa, mano};
        EXPECT_EQ(probar(s, carta(oros, 5)), acepta);
        EXPECT_EQ(probar(s, carta(copas, 10)), acepta);
    }
    // Leading, nothing is ever refused.
    Situacion sale{carta(bastos, 3), yo, {}, {carta(oros, 5), carta(bastos, 10)}};
    EXPECT_EQ(probar(sale, carta(oros, 5)), acepta);
}

TEST(Obligaciones, ARefusedClickLeavesEverythingButTheHumansRowAsItWas) {
    MesaQueAnota t;
    Mesa& m = t.m;
    poner(m, Situacion{carta(bastos, 3),
                       izquierda,
                       {carta(oros, 8)},
                       {carta(oros, 9), carta(oros, 1), carta(bastos, 5)}});
    const Mesa antes = m;

    ASSERT_TRUE(pulsar_carta(m, prueba::ranura_yo(m, carta(oros, 1))));
    ASSERT_EQ(t.plataforma.mensajes, std::vector<std::string>{std::string(texto::subir[oros])});

    for (int asiento = derecha; asiento <= yo; ++asiento) {
        for (int i = 1; i <= 10; ++i) {
            const Imagen &a = antes.manos[asiento][i], &d = m.manos[asiento][i];
            EXPECT_EQ(std::tie(a.dibujo, a.tag, a.visible, a.enabled),
                      std::tie(d.dibujo, d.tag, d.visible, d.enabled));
            EXPECT_EQ(antes.palos[asiento][i], m.palos[asiento][i]);
            for (int palo = oros; palo <= bastos; ++palo)
                EXPECT_EQ(antes.cartas[asiento][palo][i], m.cartas[asiento][palo][i]);
        }
        const Imagen &a = antes.centro[asiento], &d = m.centro[asiento];
        EXPECT_EQ(std::tie(a.dibujo, a.visible), std::tie(d.dibujo, d.visible));
    }
    for (int k = derecha; k <= izquierda; ++k)
        EXPECT_EQ(std::tie(antes.palo[k], antes.valor[k], antes.tag[k]),
                  std::tie(m.palo[k], m.valor[k], m.tag[k]));
    // Row 4 keeps the refused card until the next click writes over it.
    EXPECT_EQ(m.texto_palo(yo), "oros");
    EXPECT_EQ(m.texto_valor(yo), "1");
    EXPECT_EQ(m.texto_tag(yo), "1");
    EXPECT_EQ(m.la_salida, antes.la_salida);
    for (int palo = oros; palo <= bastos; ++palo) EXPECT_EQ(m.salidas[palo], antes.salidas[palo]);
    const Boton Mesa::*botones[] = {&Mesa::barajar, &Mesa::jugando, &Mesa::recoger,
                                    &Mesa::ordenamelas, &Mesa::Command2};
    for (const Boton Mesa::*b : botones)
        EXPECT_EQ(std::tie((antes.*b).caption, (antes.*b).visible, (antes.*b).enabled),
                  std::tie((m.*b).caption, (m.*b).visible, (m.*b).enabled));
    EXPECT_TRUE(t.plataforma.puestas.empty());
    EXPECT_EQ(t.plataforma.pausas_cortas, 0);

    // The next click is judged afresh, and plays.
    ASSERT_TRUE(pulsar_carta(m, prueba::ranura_yo(m, carta(oros, 9))));
    EXPECT_EQ(t.plataforma.mensajes.size(), 1u);
    EXPECT_EQ(m.texto_valor(yo), "9");
}

TEST(Obligaciones, AnAcceptedCardLeavesTheHandAndLocksItUntilTheTrickIsCollected) {
    MesaQueAnota t;
    Mesa& m = t.m;
    poner(m, Situacion{carta(bastos, 3),
                       derecha,
                       {carta(oros, 8), carta(oros, 2), carta(oros, 4)},
                       {carta(oros, 9), carta(oros, 1), carta(bastos, 5)}});
    int ranura = prueba::ranura_yo(m, carta(oros, 9));
    ASSERT_TRUE(pulsar_carta(m, ranura));

    EXPECT_TRUE(t.plataforma.mensajes.empty());
    EXPECT_FALSE(m.manos[yo][ranura].visible);
    EXPECT_TRUE(m.centro[yo].visible);
    EXPECT_EQ(naipe_codigo(m.centro[yo].dibujo), carta(oros, 9));
    EXPECT_EQ(t.plataforma.puestas, (std::vector<std::pair<int, int>>{{yo, carta(oros, 9)}}));
    EXPECT_EQ(m.Label3.caption, "1");
    for (int palo = oros; palo <= bastos; ++palo)
        for (int i = 1; i <= 10; ++i) EXPECT_NE(m.cartas[yo][palo][i], carta(oros, 9));
    EXPECT_TRUE(prueba::manos_cuadran(m));
    for (int i = 1; i <= 10; ++i) EXPECT_FALSE(m.manos[yo][i].enabled);
    EXPECT_TRUE(m.recoger.activo());

    // No second card goes into the same trick.
    int otra = prueba::ranura_yo(m, carta(oros, 1));
    EXPECT_FALSE(pulsar_carta(m, otra));
    EXPECT_FALSE(pulsar_carta(m, ranura)) << "a played card is hidden";
    EXPECT_FALSE(pulsar_carta(m, 0));
    EXPECT_FALSE(pulsar_carta(m, 11));
    EXPECT_EQ(t.plataforma.puestas.size(), 1u);
}
