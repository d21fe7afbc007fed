// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/card_figures.h"

#include "core/cards.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/render.h"
#include "ui/pictures/suit_pips.h"

#include <QPainterPath>

#include <algorithm>

namespace quimbel::dibujos {

namespace pal = paleta;

namespace {

// The figures are drawn on a 100 x 150 grid, scaled into the card.
constexpr qreal grid_ancho = 100, grid_alto = 150;

// Fills a shape with a black outline of constant width on the card.
class Pincel {
  public:
    Pincel(QPainter& p, qreal escala) : p_(p), escala_(escala) {}
    void forma(const QPainterPath& camino, QRgb relleno, QRgb borde = pal::negro) {
        p_.setPen(detalle::trazo(QColor(borde), 0.9, escala_));
        p_.setBrush(QColor(relleno));
        p_.drawPath(camino);
    }
    void elipse(QPointF c, qreal rx, qreal ry, QRgb relleno, QRgb borde = pal::negro) {
        QPainterPath camino;
        camino.addEllipse(c, rx, ry);
        forma(camino, relleno, borde);
    }
    void rect(QRectF r, QRgb relleno, QRgb borde = pal::negro) {
        QPainterPath camino;
        camino.addRect(r);
        forma(camino, relleno, borde);
    }
    void poligono(std::initializer_list<QPointF> puntos, QRgb relleno, QRgb borde = pal::negro) {
        QPainterPath camino;
        camino.addPolygon(QPolygonF(QList<QPointF>(puntos)));
        camino.closeSubpath();
        forma(camino, relleno, borde);
    }
    // An arm or a leg: a thick stroke with rounded ends.
    void miembro(QPointF a, QPointF b, qreal grueso, QRgb relleno) {
        p_.setPen(
            QPen(QColor(pal::negro), grueso + 0.9 * 2 / escala_, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(a, b);
        p_.setPen(QPen(QColor(relleno), grueso, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(a, b);
    }
    // The suit's object, `alto` grid units tall, centred on `c`.
    void objeto(int palo, QPointF c, qreal alto, qreal grados = 0) {
        pintar_pinta(p_, palo, c, alto, grados);
    }

  private:
    QPainter& p_;
    qreal escala_;
};

// A face with hair and eyes; the caller puts a hat or a crown on it.
void cabeza(Pincel& k, QPainter& p, QPointF c, qreal r, QRgb pelo) {
    k.elipse(QPointF(c.x(), c.y() - r * 0.2), r * 1.05, r * 0.95, pelo);
    k.elipse(c, r * 0.85, r, pal::carne);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(pal::negro));
    p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() - r * 0.1), r * 0.12, r * 0.14);
    p.drawEllipse(QPointF(c.x() + r * 0.35, c.y() - r * 0.1), r * 0.12, r * 0.14);
}

// Where the hand holds the object: coins and cups are raised in the hand,
// swords and cudgels are held upright by the grip.
void objeto_en_mano(Pincel& k, int palo, QPointF mano, qreal alto) {
    if (palo == oros || palo == copas) {
        k.objeto(palo, QPointF(mano.x(), mano.y() - alto * 0.45), alto);
    } else {
        const qreal largo = alto * 2.4;
        k.objeto(palo, QPointF(mano.x(), mano.y() - largo * 0.32), largo);
    }
    k.elipse(mano, 4.5, 4.5, pal::carne);
}

void sota(QPainter& p, Pincel& k, int palo) {
    const auto c = pal::colores_palo(palo);
    const QRgb calzas = palo == oros ? pal::rojo : c.oscuro;
    // Legs and shoes.
    k.rect(QRectF(38, 98, 10, 38), calzas);
    k.rect(QRectF(52, 98, 10, 38), calzas);
    k.elipse(QPointF(41, 139), 9, 4.5, pal::negro);
    k.elipse(QPointF(59, 139), 9, 4.5, pal::negro);
    // The left arm hangs by the tunic; the right one holds the object.
    k.miembro(QPointF(34, 54), QPointF(24, 92), 9, c.claro);
    k.elipse(QPointF(24, 95), 4.5, 4.5, pal::carne);
    // Tunic with a belt.
    QPainterPath tunica;
    tunica.moveTo(36, 47);
    tunica.lineTo(64, 47);
    tunica.lineTo(73, 102);
    tunica.quadTo(50, 108, 27, 102);
    tunica.closeSubpath();
    k.forma(tunica, c.claro);
    k.rect(QRectF(32, 74, 36, 6), palo == oros ? pal::rojo : pal::amarillo);
    const bool largo = palo == espadas || palo == bastos;
    const QPointF mano = largo ? QPointF(80, 82) : QPointF(80, 44);
    k.miembro(QPointF(64, 54), mano, 9, c.claro);
    cabeza(k, p, QPointF(50, 32), 12, pal::marron);
    // A flat cap with a feather.
    k.elipse(QPointF(49, 20), 17, 6, c.oscuro);
    k.poligono({{56, 17}, {70, 4}, {64, 18}}, pal::blanco);
    objeto_en_mano(k, palo, mano, 32);
}

void caballo(QPainter& p, Pincel& k, int palo) {
    const auto c = pal::colores_palo(palo);
    // The horse, facing left: legs, tail, body, neck and head.
    for (qreal x : {24.0, 36.0, 64.0, 76.0}) {
        k.rect(QRectF(x, 108, 8, 34), pal::marron);
        k.rect(QRectF(x - 1, 140, 10, 6), pal::negro);
    }
    QPainterPath cola;
    cola.moveTo(84, 96);
    cola.quadTo(100, 104, 94, 132);
    cola.quadTo(88, 112, 82, 104);
    k.forma(cola, pal::gris_oscuro);
    k.elipse(QPointF(52, 104), 36, 16, pal::marron);
    k.poligono({{22, 102}, {36, 92}, {22, 62}, {8, 68}}, pal::marron);
    QPainterPath testa;
    testa.moveTo(20, 60);
    testa.lineTo(4, 82);
    testa.quadTo(0, 88, 6, 89);
    testa.lineTo(22, 78);
    testa.closeSubpath();
    k.forma(testa, pal::marron);
    k.poligono({{14, 62}, {18, 52}, {21, 63}}, pal::marron);
    k.poligono({{22, 62}, {34, 90}, {28, 92}, {18, 66}}, pal::gris_oscuro);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(pal::negro));
    p.drawEllipse(QPointF(13, 68), 1.8, 1.8);
    // The saddle cloth in the suit's colour.
    k.poligono({{38, 90}, {70, 90}, {72, 114}, {36, 114}}, c.claro);
    // The rider: leg, body, head with a hat, and the object held up.
    k.miembro(QPointF(54, 92), QPointF(50, 118), 10, c.oscuro);
    k.elipse(QPointF(48, 122), 7, 4, pal::negro);
    k.poligono({{44, 58}, {64, 58}, {66, 96}, {42, 96}}, c.claro);
    const bool largo = palo == espadas || palo == bastos;
    const QPointF mano = largo ? QPointF(80, 62) : QPointF(80, 42);
    k.miembro(QPointF(62, 64), mano, 8, c.claro);
    cabeza(k, p, QPointF(54, 44), 11, pal::marron);
    k.poligono({{40, 36}, {68, 36}, {60, 22}, {48, 22}}, c.oscuro);
    objeto_en_mano(k, palo, mano, largo ? 24 : 30);
}

void rey(QPainter& p, Pincel& k, int palo) {
    const auto c = pal::colores_palo(palo);
    const QRgb capa = palo == copas ? pal::azul_oscuro : pal::rojo;
    // The cape behind, the robe in front with its ermine stripe.
    k.poligono({{30, 52}, {70, 52}, {84, 140}, {16, 140}}, capa);
    k.poligono({{38, 52}, {62, 52}, {70, 140}, {30, 140}}, c.claro);
    k.rect(QRectF(46, 60, 8, 80), pal::blanco);
    const bool largo = palo == espadas || palo == bastos;
    const QPointF mano = largo ? QPointF(80, 96) : QPointF(78, 62);
    k.miembro(QPointF(64, 60), mano, 9, capa);
    k.miembro(QPointF(36, 60), QPointF(42, 90), 9, capa);
    k.elipse(QPointF(43, 92), 4.5, 4.5, pal::carne);
    cabeza(k, p, QPointF(50, 38), 12, pal::gris_claro);
    // A white beard and a big gold crown.
    QPainterPath barba;
    barba.moveTo(39, 42);
    barba.quadTo(50, 66, 61, 42);
    barba.quadTo(50, 50, 39, 42);
    k.forma(barba, pal::blanco);
    k.poligono({{34, 28}, {32, 8}, {41, 18}, {50, 4}, {59, 18}, {68, 8}, {66, 28}}, pal::amarillo,
               pal::oro_oscuro);
    k.elipse(QPointF(50, 21), 3, 3, pal::rojo);
    objeto_en_mano(k, palo, mano, largo ? 30 : 30);
}

} // namespace

void pintar_figura(QPainter& p, Figura figura, int palo, const QRectF& caja) {
    const qreal escala = std::min(caja.width() / grid_ancho, caja.height() / grid_alto);
    p.save();
    p.translate(caja.center().x() - grid_ancho * escala / 2,
                caja.center().y() - grid_alto * escala / 2);
    p.scale(escala, escala);
    Pincel k(p, escala);
    switch (figura) {
    case Figura::sota: sota(p, k, palo); break;
    case Figura::caballo: caballo(p, k, palo); break;
    case Figura::rey: rey(p, k, palo); break;
    }
    p.restore();
}

} // namespace quimbel::dibujos
