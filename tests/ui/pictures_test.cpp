// The pictures: their sizes on every screen, forty faces a player can tell
// apart (suit colours, the frame's breaks), and bubbles whose words and tails
// belong to their seat. With QUIMBEL_CONTACT_SHEET=file.png the run also
// writes every picture side by side (and file@2x.png at double density), to
// look at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cstdlib>
#include <vector>

#include "core/announcements.h"
#include "core/cards.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"

namespace {

using namespace quimbel;
using namespace quimbel::dibujos;

std::vector<Anuncio> todos_los_anuncios() {
    std::vector<Anuncio> v;
    for (int i = 0; i < num_anuncios; ++i) v.push_back(static_cast<Anuncio>(i));
    return v;
}

void tiene_tamano(const QPixmap& pm, QSize logico, qreal dpr, const char* que) {
    SCOPED_TRACE(que);
    ASSERT_FALSE(pm.isNull());
    EXPECT_EQ(pm.size(), logico * dpr);
    EXPECT_DOUBLE_EQ(pm.devicePixelRatio(), dpr);
    EXPECT_EQ(pm.deviceIndependentSize().toSize(), logico);
}

TEST(Dibujos, CadaDibujoTieneSuTamanoEnPantallasNormalesYDensas) {
    for (qreal dpr : {1.0, 2.0}) {
        for (int n = 1; n <= 40; ++n) tiene_tamano(carta(n, dpr), tam_carta, dpr, "carta");
        tiene_tamano(dorso(dpr), tam_dorso, dpr, "dorso");
        for (Anuncio a : todos_los_anuncios()) {
            tiene_tamano(anuncio(a, dpr), tam_anuncio(a), dpr, "anuncio");
        }
        tiene_tamano(marcador(dpr), tam_marcador, dpr, "marcador");
        tiene_tamano(logo(dpr), tam_logo, dpr, "logo");
        tiene_tamano(reglas(dpr), tam_reglas, dpr, "reglas");
        tiene_tamano(mesita(dpr), tam_mesita, dpr, "mesita");
        tiene_tamano(empezar(dpr), tam_empezar, dpr, "empezar");
    }
    EXPECT_EQ(tam_anuncio(Anuncio::perpartida), tam_cartel);
    EXPECT_EQ(tam_anuncio(Anuncio::iz20bastos), tam_bocadillo);
    EXPECT_EQ(tam_anuncio(Anuncio::ab40), tam_estrella);
    EXPECT_FALSE(icono().pixmap(tam_icono).isNull());
    // The same face is drawn once and then shared.
    EXPECT_EQ(carta(7).cacheKey(), carta(7).cacheKey());
    // There is no card 0 or 41.
    EXPECT_TRUE(carta(0).isNull());
    EXPECT_TRUE(carta(41).isNull());
}

int distancia(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

int pixeles_de_color(const QImage& img, QRgb color) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 200 && distancia(img.pixel(x, y), color) < 40) ++n;
    return n;
}

// The breaks of the frame line in the card's top edge, counted along the
// line between the two corners' numbers.
int roturas_del_marco(const QImage& img) {
    const int y = 3; // the line runs 3.5 pixels inside the edge
    int roturas = 0;
    bool en_hueco = false;
    for (int x = 18; x < img.width() - 18; ++x) {
        const bool blanco = distancia(img.pixel(x, y), paleta::blanco) < 60;
        if (blanco && !en_hueco) ++roturas;
        en_hueco = blanco;
    }
    return roturas;
}

TEST(Dibujos, LasCuarentaCartasSeDistinguenPorPaloYNumero) {
    std::vector<QImage> caras;
    for (int n = 1; n <= 40; ++n) caras.push_back(carta(n).toImage());
    for (int i = 0; i < 40; ++i)
        for (int j = i + 1; j < 40; ++j) EXPECT_NE(caras[i], caras[j]) << i + 1 << " " << j + 1;

    const QRgb color_del_palo[] = {paleta::amarillo, paleta::rojo, paleta::azul, paleta::verde};
    for (int n = 1; n <= 40; ++n) {
        SCOPED_TRACE(n);
        const int palo = (n - 1) / 10;
        EXPECT_GT(pixeles_de_color(carta(n, 2.0).toImage(), color_del_palo[palo]), 20);
        // Whole on oros, broken once on copas, twice on espadas, three times on bastos.
        EXPECT_EQ(roturas_del_marco(caras[n - 1]), palo);
    }
}

// The length of the opaque run across the picture at a given column (or row).
int opacos(const QImage& img, int indice, bool columna) {
    int n = 0;
    const int largo = columna ? img.height() : img.width();
    for (int i = 0; i < largo; ++i) {
        const QRgb px = columna ? img.pixel(indice, i) : img.pixel(i, indice);
        if (qAlpha(px) > 128) ++n;
    }
    return n;
}

TEST(Dibujos, CadaBocadilloDiceLoSuyoYApuntaASuAsiento) {
    struct Asiento {
        int numero;
        bool horizontal;     // the tail points left or right
        bool hacia_el_final; // right or down
        QRgb color;
    };
    const Asiento asientos[] = {{derecha, true, true, paleta::azul},
                                {arriba, false, false, paleta::rojo},
                                {izquierda, true, false, paleta::azul},
                                {yo, false, true, paleta::rojo}};
    const char* palos[] = {"", "OROS", "COPAS", "ESPADAS", "BASTOS"};
    for (const Asiento& s : asientos) {
        SCOPED_TRACE(s.numero);
        EXPECT_EQ(texto_anuncio(anuncio_tute_caballos(s.numero)), "TUTE DE CABALLOS");
        EXPECT_EQ(texto_anuncio(anuncio_tute_reyes(s.numero)), "TUTE DE REYES");
        EXPECT_EQ(texto_anuncio(anuncio_40(s.numero)), "LAS 40");
        for (int palo = 1; palo <= 4; ++palo)
            EXPECT_EQ(texto_anuncio(anuncio_20(s.numero, palo)), QString("20 EN ") + palos[palo]);

        const QImage img = anuncio(anuncio_20(s.numero, copas)).toImage();
        EXPECT_GT(pixeles_de_color(img, s.color), 2000);
        // Near the seat's edge only the narrow tail; near the other edge, the body.
        const int largo = s.horizontal ? img.width() : img.height();
        const int cerca = s.hacia_el_final ? largo * 92 / 100 : largo * 8 / 100;
        const int lejos = largo - 1 - cerca;
        EXPECT_GT(opacos(img, cerca, s.horizontal), 0);
        EXPECT_LT(opacos(img, cerca, s.horizontal), 40);
        EXPECT_GT(opacos(img, lejos, s.horizontal), 40);
    }
    EXPECT_EQ(texto_anuncio(Anuncio::ganjuego), "GANAMOS EL JUEGO");
    EXPECT_EQ(texto_anuncio(Anuncio::perjuego), "PERDEMOS EL JUEGO");
    EXPECT_EQ(texto_anuncio(Anuncio::ganpartida), "GANAMOS LA PARTIDA");
    EXPECT_EQ(texto_anuncio(Anuncio::perpartida), "PERDEMOS LA PARTIDA");
}

// Every picture laid out on the felt, to be looked at.
QImage hoja_de_contactos(qreal dpr) {
    const int hueco = 6;
    const QSize tam(12 * (tam_carta.width() + hueco) + 4 * (tam_bocadillo.width() + hueco), 1400);
    QImage hoja(tam * dpr, QImage::Format_ARGB32_Premultiplied);
    hoja.setDevicePixelRatio(dpr);
    hoja.fill(QColor(0, 128, 0));
    QPainter p(&hoja);
    int y = hueco;
    for (int palo = 0; palo < 4; ++palo) {
        for (int i = 0; i < 10; ++i)
            p.drawPixmap(hueco + i * (tam_carta.width() + hueco), y, carta(palo * 10 + i + 1, dpr));
        y += tam_carta.height() + hueco;
    }
    int x = hueco;
    p.drawPixmap(x, y, dorso(dpr));
    x += tam_dorso.width() + hueco;
    p.drawPixmap(x, y, marcador(dpr));
    x += tam_marcador.width() + hueco;
    p.drawPixmap(x, y, icono().pixmap(tam_icono, dpr));
    x += tam_icono.width() + hueco;
    p.drawPixmap(x, y, icono().pixmap(QSize(16, 16), dpr));
    x += 16 + hueco;
    p.drawPixmap(x, y, logo(dpr));
    x += tam_logo.width() + hueco;
    p.drawPixmap(x, y, mesita(dpr));
    x += tam_mesita.width() + hueco;
    p.drawPixmap(x, y, empezar(dpr));
    y += tam_empezar.height() + hueco;
    x = hueco;
    for (Anuncio a : {Anuncio::ganjuego, Anuncio::perjuego, Anuncio::ganpartida,
                      Anuncio::perpartida, Anuncio::ar40}) {
        p.drawPixmap(x, y, anuncio(a, dpr));
        x += tam_anuncio(a).width() + hueco;
    }
    y += tam_cartel.height() + hueco;
    x = hueco;
    for (Anuncio a : {Anuncio::de20oros, Anuncio::ar20copas, Anuncio::iz20espadas,
                      Anuncio::ab20bastos, Anuncio::detutecab, Anuncio::abtuterey}) {
        p.drawPixmap(x, y, anuncio(a, dpr));
        x += tam_bocadillo.width() + hueco;
    }
    y += tam_bocadillo.height() + hueco;
    p.drawPixmap(hueco, y, reglas(dpr));
    // The first cards again at four times their size, to judge the detail.
    const int ancho4 = tam_carta.width() * 4 / 2;
    x = tam_reglas.width() + 2 * hueco;
    for (int n : {1, 12, 28, 31, 8, 19, 39, 40}) {
        p.drawPixmap(QRect(x, y, ancho4, tam_carta.height() * 2), carta(n, dpr * 4));
        x += ancho4 + hueco;
        if (x > tam.width() - ancho4) {
            x = tam_reglas.width() + 2 * hueco;
            y += tam_carta.height() * 2 + hueco;
        }
    }
    return hoja;
}

TEST(Dibujos, HojaDeContactosCuandoSePide) {
    const char* ruta = std::getenv("QUIMBEL_CONTACT_SHEET");
    if (!ruta || !*ruta) GTEST_SKIP() << "QUIMBEL_CONTACT_SHEET not set";
    QString doble = QString::fromLocal8Bit(ruta);
    doble.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    EXPECT_TRUE(hoja_de_contactos(1.0).save(QString::fromLocal8Bit(ruta)));
    EXPECT_TRUE(hoja_de_contactos(2.0).save(doble));
}

} // namespace
