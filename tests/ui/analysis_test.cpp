// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis (key A): at the human's turn it writes on each card he may
// play the chance the hint gives it, marks the best, lets a screen reader
// read each card with its chance, and changes nothing else; the tags go with
// the turn.
#include <QAccessible>
#include <QLabel>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "advisor/advisor.h"
#include "table_window_support.h"
#include "ui/analysis_tags.h"
#include "ui/help_texts.h"

using namespace quimbel;
using namespace quimbel::prueba;

namespace {

// The tags shown, by slot: "slot text name|" for each, the best with a '*'.
std::string tags(MesaEnPantalla& t) {
    std::string s;
    for (int i = 1; i <= cartas_por_mano; ++i) {
        auto* e = t.ventana.findChild<QLabel*>(QStringLiteral("analisis%1").arg(i));
        if (!e || !t.se_ve(e)) continue;
        const bool mejor = e->styleSheet().contains(estilo::marca_pista.name());
        s += std::to_string(i) + (mejor ? "* " : " ") + e->text().toStdString() + ' ' +
             QAccessible::queryAccessibleInterface(e)->text(QAccessible::Name).toStdString() + '|';
    }
    return s;
}

// What the hint computes, written as the tags should be.
std::string esperadas(MesaEnPantalla& t) {
    const consejo::Pista pista = consejo::pedir_pista(t.m());
    std::string s;
    for (const consejo::Valoracion& v : pista.consejo.valores)
        s += std::to_string(v.hueco) + (v.hueco == pista.hueco ? "* " : " ") +
             EtiquetasAnalisis::escrito(v.valor).toStdString() + ' ' +
             EtiquetasAnalisis::dicho(v.codigo, v.valor).toStdString() + '|';
    return s;
}

// A deal played from the left card until one is taken; `en_turno` at each of
// the human's turns. The cards put down, in order.
std::string jugar(MesaEnPantalla& t, const std::function<void()>& en_turno) {
    CierraMensajes mensajes;
    std::string traza;
    for (QWidget* b : {t.e().barajar, t.e().ordenamelas}) MesaEnPantalla::pulsar(b);
    while (t.activo(t.e().jugando)) {
        MesaEnPantalla::pulsar(t.e().jugando);
        en_turno();
        for (int i = 1; i <= cartas_por_mano && !t.se_ve(t.e().centro[yo]); ++i)
            if (t.se_ve(t.e().manos[yo][i])) MesaEnPantalla::pulsar(t.e().manos[yo][i]);
        for (int s = derecha; s <= yo; ++s)
            traza += std::to_string(t.e().centro[s]->dibujo()) + ' ';
        MesaEnPantalla::pulsar(t.e().recoger);
        EXPECT_EQ(tags(t), "") << "gone with the turn";
    }
    return traza;
}

} // namespace

TEST(Analisis, AEscribeEnCadaCartaSuProbabilidadYMarcaLaMejorSinCambiarLaPartida) {
    MesaEnPantalla sin(7);
    const std::string sin_a = jugar(sin, [] {});

    MesaEnPantalla t(7);
    auto pulsar_a = [&t] {
        t.activar();
        QTest::keyClick(&t.ventana, Qt::Key_A);
    };
    pulsar_a(); // before the deal: not his turn, nothing is written
    EXPECT_EQ(tags(t), "");
    int turnos = 0, varias = 0;
    const std::string con_a = jugar(t, [&] {
        ++turnos;
        QWidget* foco = t.ventana.focusWidget();
        pulsar_a();
        const std::string vistas = tags(t);
        EXPECT_EQ(vistas, esperadas(t));
        EXPECT_NE(vistas.find('*'), std::string::npos) << "the best is marked";
        varias += std::count(vistas.begin(), vistas.end(), '|') > 1;
        EXPECT_EQ(t.ventana.focusWidget(), foco);
    });
    EXPECT_EQ(con_a, sin_a);
    EXPECT_EQ(turnos, bazas_por_reparto);
    EXPECT_GT(varias, 2);

    bool en_la_ayuda = false;
    for (const ayuda::Tecla& k : ayuda::teclas()) en_la_ayuda |= k.teclas == QStringLiteral("A");
    EXPECT_TRUE(en_la_ayuda);
}
