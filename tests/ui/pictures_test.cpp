// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures: their sizes on every screen, forty faces a player can tell
// apart (suit colours, the frame's breaks), and bubbles whose words and tails
// belong to their seat.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include <vector>

#include "core/announcements.h"
#include "core/cards.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"

namespace {

using namespace quimbel;
using namespace quimbel::dibujos;

TEST(Dibujos, CadaDibujoTieneSuTamanoEnPantallasNormalesYDensas) {
    for (qreal dpr : {1.0, 2.0}) {
        std::vector<std::pair<QPixmap, QSize>> todos = {
            {dorso(dpr), {63, 84}},    {marcador(dpr), {78, 95}}, {logo(dpr), {150, 67}},
            {reglas(dpr), {560, 472}}, {mesita(dpr), {180, 180}}, {empezar(dpr), {180, 190}}};
        for (int n = 1; n <= 40; ++n) todos.push_back({carta(n, dpr), {60, 81}});
        // The four banners; then for each seat two tute bubbles, "LAS 40" and four 20 bubbles.
        for (int a = 0; a < num_anuncios; ++a)
            todos.push_back({anuncio(Anuncio(a), dpr), a < 4              ? QSize(300, 200)
                                                       : (a - 4) % 7 == 2 ? QSize(214, 163)
                                                                          : QSize(208, 135)});
        for (size_t i = 0; i < todos.size(); ++i) {
            EXPECT_EQ(todos[i].first.size(), todos[i].second * dpr) << i << " at " << dpr;
            EXPECT_EQ(todos[i].first.deviceIndependentSize(), todos[i].second) << i;
        }
    }
    EXPECT_FALSE(icono().pixmap(32, 32).isNull());
    EXPECT_TRUE(carta(0).isNull() && carta(41).isNull());
}

int distancia(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

int pixeles_de_color(const QImage& img, QRgb color) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 200 && distancia(img.pixel(x, y), color) < 40;
    return n;
}

// The dark strokes inside `caja` (a corner's number), cropped to their extent.
QImage tinta(const QImage& img, QRect caja) {
    QImage m(caja.size(), QImage::Format_Mono);
    m.fill(0);
    QRect ocupada;
    for (int y = 0; y < caja.height(); ++y)
        for (int x = 0; x < caja.width(); ++x)
            if (distancia(img.pixel(caja.x() + x, caja.y() + y), paleta::blanco) > 300) {
                m.setPixel(x, y, 1);
                ocupada |= QRect(x, y, 1, 1);
            }
    return m.copy(ocupada);
}

// How many pixels two strokes differ by, laid one on the other.
int diferencia(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < std::max(a.height(), b.height()); ++y)
        for (int x = 0; x < std::max(a.width(), b.width()); ++x)
            n += (a.valid(x, y) && a.pixelIndex(x, y)) != (b.valid(x, y) && b.pixelIndex(x, y));
    return n;
}

TEST(Dibujos, LasCuarentaCartasSeDistinguenPorPaloYNumero) {
    std::vector<QImage> caras;
    for (int n = 1; n <= 40; ++n) caras.push_back(carta(n).toImage());
    for (std::size_t i = 0; i < 40; ++i)
        for (std::size_t j = i + 1; j < 40; ++j)
            EXPECT_NE(caras[i], caras[j]) << i + 1 << " " << j + 1;

    const QRgb color_del_palo[] = {paleta::amarillo, paleta::rojo, paleta::azul, paleta::verde};
    for (int n = 1; n <= 40; ++n) {
        const int palo = (n - 1) / 10;
        EXPECT_GT(pixeles_de_color(carta(n, 2.0).toImage(), color_del_palo[palo]), 20) << n;
        // The frame line, 3.5 pixels inside the top edge, between the corners'
        // numbers: whole on oros, broken once on copas, twice on espadas,
        // three times on bastos.
        int roturas = 0;
        for (int x = 18, en_hueco = 0; x < 60 - 18; ++x) {
            const bool blanco =
                distancia(caras[static_cast<std::size_t>(n - 1)].pixel(x, 3), paleta::blanco) < 60;
            roturas += blanco && !en_hueco;
            en_hueco = blanco;
        }
        EXPECT_EQ(roturas, palo) << n;

        // The number stands upright in both corners: the bottom one matches
        // the top one as it is, not turned half round (where a 6 reads as 9).
        const QImage doble = carta(n, 2.0).toImage();
        const int numero = (n - 1) % 10 < 7 ? (n - 1) % 10 + 1 : (n - 1) % 10 + 3;
        const int ancho = numero >= 10 ? 28 : 20;
        const QImage arriba = tinta(doble, QRect(8, 8, ancho, 24));
        const QImage abajo = tinta(doble, QRect(112 - ancho, 130, ancho, 24));
        if (numero != 1 && numero != 11) { // these look alike either way up
            EXPECT_LT(diferencia(abajo, arriba), diferencia(abajo.mirrored(true, true), arriba))
                << n;
        }
    }
    // Bastos are wooden cudgels, not green cacti: brown wood with a green cord.
    const QImage as_de_bastos = carta(31, 2.0).toImage();
    EXPECT_GT(pixeles_de_color(as_de_bastos, paleta::marron),
              3 * pixeles_de_color(as_de_bastos, paleta::verde));
}

TEST(Dibujos, CadaBocadilloDiceLoSuyoYApuntaASuAsiento) {
    const QStringList carteles = {"GANAMOS EL JUEGO", "PERDEMOS EL JUEGO", "GANAMOS LA PARTIDA",
                                  "PERDEMOS LA PARTIDA"};
    const QStringList de_cada_asiento = {"TUTE DE CABALLOS", "TUTE DE REYES", "LAS 40",
                                         "20 EN OROS",       "20 EN COPAS",   "20 EN ESPADAS",
                                         "20 EN BASTOS"};
    for (int a = 0; a < num_anuncios; ++a)
        EXPECT_EQ(texto_anuncio(Anuncio(a)), a < 4 ? carteles[a] : de_cada_asiento[(a - 4) % 7]);
    // The tail points right, up, left or down; red for us, blue for them.
    const struct {
        int asiento;
        bool horizontal, hacia_el_final;
        QRgb color;
    } asientos[] = {{derecha, true, true, paleta::azul},
                    {arriba, false, false, paleta::rojo},
                    {izquierda, true, false, paleta::azul},
                    {yo, false, true, paleta::rojo}};
    for (const auto& s : asientos) {
        SCOPED_TRACE(s.asiento);
        const QImage img = anuncio(anuncio_20(s.asiento, copas)).toImage();
        EXPECT_GT(pixeles_de_color(img, s.color), 2000);
        // The opaque run across the picture, near the seat's edge (only the
        // narrow tail) and near the other edge (the body).
        auto opacos = [&](int i) {
            int n = 0;
            for (int j = 0; j < (s.horizontal ? img.height() : img.width()); ++j)
                n += qAlpha(s.horizontal ? img.pixel(i, j) : img.pixel(j, i)) > 128;
            return n;
        };
        const int largo = s.horizontal ? img.width() : img.height();
        const int cerca = s.hacia_el_final ? largo * 92 / 100 : largo * 8 / 100;
        EXPECT_GT(opacos(cerca), 0);
        EXPECT_LT(opacos(cerca), 40);
        EXPECT_GT(opacos(largo - 1 - cerca), 40);
    }
}

} // namespace
