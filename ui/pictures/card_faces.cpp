// SPDX-License-Identifier: GPL-3.0-or-later
// The card faces: the white card, the frame line with its breaks (whole on
// oros, broken once on copas, twice on espadas, three times on bastos), the
// number in two opposite corners and the pips or the figure.
#include "ui/pictures/card_faces.h"

#include "core/cards.h"
#include "ui/pictures/card_figures.h"
#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"
#include "ui/pictures/suit_pips.h"

#include <QPainterPath>

#include <vector>

namespace quimbel::dibujos {

namespace pal = paleta;

int palo_del_naipe(int naipe) {
    return (naipe - 1) / cartas_por_palo + 1;
}

int numero_del_naipe(int naipe) {
    const int i = (naipe - 1) % cartas_por_palo + 1;
    return i <= 7 ? i : i + 2; // Sota 10, Caballo 11, Rey 12
}

namespace {

constexpr qreal ancho = tam_carta.width();
constexpr qreal alto = tam_carta.height();
constexpr qreal margen_marco = 3.5; // the frame line, inside the edge
constexpr qreal hueco = 5.0;        // length of one break in the frame

struct Pip {
    qreal x, y, alto, grados;
};

// The traditional arrangements. Coins and cups stand in columns; swords and
// cudgels are long and cross each other, or stand in two
// leaning columns when there are four or more.
std::vector<Pip> disposicion(int palo, int n) {
    const bool largas = palo == espadas || palo == bastos;
    const qreal cx = ancho / 2, cy = alto / 2;
    if (!largas) {
        const qreal g = palo == oros ? 1.0 : 1.15; // cups are taller than wide
        switch (n) {
        case 1: return {{cx, cy, palo == oros ? 36.0 : 42.0, 0}};
        case 2: return {{cx, 23, 17 * g, 0}, {cx, 58, 17 * g, 0}};
        case 3: return {{cx, 21, 15 * g, 0}, {cx, cy, 15 * g, 0}, {cx, 60, 15 * g, 0}};
        case 4:
            return {
                {19, 25, 16 * g, 0}, {41, 25, 16 * g, 0}, {19, 56, 16 * g, 0}, {41, 56, 16 * g, 0}};
        case 5:
            return {{19, 24, 14 * g, 0},
                    {41, 24, 14 * g, 0},
                    {cx, cy, 14 * g, 0},
                    {19, 57, 14 * g, 0},
                    {41, 57, 14 * g, 0}};
        case 6:
            return {{19, 22, 14 * g, 0}, {41, 22, 14 * g, 0}, {19, cy, 14 * g, 0},
                    {41, cy, 14 * g, 0}, {19, 59, 14 * g, 0}, {41, 59, 14 * g, 0}};
        default:
            return {{18, 22, 12.5 * g, 0}, {42, 22, 12.5 * g, 0}, {cx, 31.5, 12.5 * g, 0},
                    {18, 41, 12.5 * g, 0}, {42, 41, 12.5 * g, 0}, {18, 60, 12.5 * g, 0},
                    {42, 60, 12.5 * g, 0}};
        }
    }
    switch (n) {
    case 1: return {{cx, cy, 64, 0}};
    case 2: return {{cx, cy, 58, -26}, {cx, cy, 58, 26}};
    case 3: return {{cx, cy, 56, -30}, {cx, cy, 56, 30}, {cx, cy, 56, 0}};
    case 4: return {{18, 25, 27, -12}, {42, 25, 27, 12}, {18, 56, 27, -12}, {42, 56, 27, 12}};
    case 5:
        return {{18, 25, 25, -12},
                {42, 25, 25, 12},
                {cx, cy, 25, 0},
                {18, 56, 25, -12},
                {42, 56, 25, 12}};
    case 6:
        return {{18, 22, 21, -12}, {42, 22, 21, 12},  {18, cy, 21, -12},
                {42, cy, 21, 12},  {18, 59, 21, -12}, {42, 59, 21, 12}};
    default:
        return {{18, 22, 20, -12}, {42, 22, 20, 12},  {cx, 31.5, 20, 0}, {18, 41, 20, -12},
                {42, 41, 20, 12},  {18, 60, 20, -12}, {42, 60, 20, 12}};
    }
}

// The frame line round the card, with `roturas` breaks in the top edge and
// the same in the bottom one, evenly spaced.
void pintar_marco(QPainter& p, int palo) {
    const int roturas = palo - 1;
    const qreal x0 = margen_marco, y0 = margen_marco;
    const qreal x1 = ancho - margen_marco, y1 = alto - margen_marco;
    p.setPen(QPen(QColor(paleta::colores_palo(palo).oscuro), 1.2, Qt::SolidLine, Qt::FlatCap,
                  Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    if (roturas == 0) {
        p.drawRect(QRectF(x0, y0, x1 - x0, y1 - y0));
        return;
    }
    p.drawLine(QPointF(x0, y0), QPointF(x0, y1));
    p.drawLine(QPointF(x1, y0), QPointF(x1, y1));
    for (qreal y : {y0, y1}) {
        qreal desde = x0;
        for (int i = 1; i <= roturas; ++i) {
            const qreal centro = x0 + (x1 - x0) * i / (roturas + 1);
            p.drawLine(QPointF(desde, y), QPointF(centro - hueco / 2, y));
            desde = centro + hueco / 2;
        }
        p.drawLine(QPointF(desde, y), QPointF(x1, y));
    }
}

// The number stands upright in the top-left and the bottom-right corners, as
// on Spanish cards, which have a top and a bottom: a number turned half round
// would read as another (a 6 as a 9).
void pintar_indice(QPainter& p, int palo, int numero) {
    const QString texto = QString::number(numero);
    p.setFont(detalle::fuente(10, true));
    // Dark gold is too faint for a number: oros are numbered in black.
    p.setPen(QColor(palo == oros ? pal::negro : paleta::colores_palo(palo).oscuro));
    const qreal estrecho = numero >= 10 ? 0 : 4; // a single digit needs less white
    const QRectF arriba(margen_marco + 0.5, margen_marco + 0.5, 14, 12);
    const QRectF abajo(ancho - arriba.right(), alto - arriba.bottom(), 14, 12);
    p.fillRect(arriba.adjusted(0, 0, -estrecho, 0), QColor(pal::blanco));
    p.drawText(arriba, Qt::AlignLeft | Qt::AlignTop, texto);
    p.fillRect(abajo.adjusted(estrecho, 0, 0, 0), QColor(pal::blanco));
    p.drawText(abajo, Qt::AlignRight | Qt::AlignBottom, texto);
}

} // namespace

void pintar_carta(QPainter& p, int naipe) {
    const int palo = palo_del_naipe(naipe);
    const int numero = numero_del_naipe(naipe);
    p.save();
    p.setPen(QPen(QColor(pal::gris_oscuro), 1.0));
    p.setBrush(QColor(pal::blanco));
    p.drawRoundedRect(QRectF(0.5, 0.5, ancho - 1, alto - 1), 4, 4);
    pintar_marco(p, palo);

    if (numero <= 7) {
        for (const Pip& pip : disposicion(palo, numero))
            pintar_pinta(p, palo, QPointF(pip.x, pip.y), pip.alto, pip.grados);
    } else {
        const Figura fig = numero == 10   ? Figura::sota
                           : numero == 11 ? Figura::caballo
                                          : Figura::rey;
        pintar_figura(p, fig, palo, QRectF(8, 11, ancho - 16, alto - 22));
    }
    pintar_indice(p, palo, numero);
    p.restore();
}

QPixmap carta(int naipe, qreal dpr) {
    if (naipe < 1 || naipe > num_cartas) return QPixmap(); // no such card: no picture
    return detalle::dibujado(QStringLiteral("carta%1").arg(naipe), tam_carta, dpr,
                             [naipe](QPainter& p) { pintar_carta(p, naipe); });
}

} // namespace quimbel::dibujos
