// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window's rules panel: the rules the program plays, in a red
// frame, headed "Mecánica del juego".
#include "ui/pictures/palette.h"
#include "ui/pictures/pictures.h"
#include "ui/pictures/render.h"

#include <QFontMetricsF>

namespace quimbel::dibujos {

namespace pal = paleta;

namespace {

const QStringList reglas_del_juego = {
    QStringLiteral("Se juega por parejas, los compañeros frente a frente: el de arriba juega "
                   "contigo y los de los lados juegan juntos."),
    QStringLiteral("Hay que echar una carta más alta del palo que sale; quien no tiene de ese palo "
                   "tiene que echar pinta."),
    QStringLiteral("Cuando alguien ya ha fallado con pinta, los que vienen detrás no están "
                   "obligados a subir en el palo que sale."),
    QStringLiteral("La partida se juega a un número fijo de juegos; aquí, a 8."),
    QStringLiteral("Valor de las cartas: As 11, Tres 10, Rey 4, Caballo 3 y Sota 2."),
    QStringLiteral("Los cuatro Caballos (tute de caballos) o los cuatro Reyes (tute de reyes), o "
                   "llegar a 101 puntos, valen dos juegos en vez de uno."),
    QStringLiteral("Se canta con el Rey y el Caballo del mismo palo: las 40 en el palo de la pinta "
                   "y 20 en los demás."),
    QStringLiteral("La última baza vale 10 puntos. Gana el bando con más puntos, salvo que haya "
                   "tute; a igualdad de puntos gana quien se llevó la última baza."),
    QStringLiteral("Quién sale primero se echa a suertes."),
};

void pintar_reglas(QPainter& p) {
    const QRectF caja(QPointF(0, 0), QSizeF(tam_reglas));
    p.fillRect(caja, QColor(pal::blanco));
    p.setPen(QPen(QColor(pal::rojo), 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(caja.adjusted(4, 4, -4, -4));
    p.setPen(QPen(QColor(pal::rojo_oscuro), 1.5));
    p.drawRect(caja.adjusted(12, 12, -12, -12));

    const QRectF cabecera(24, 18, caja.width() - 48, 44);
    p.setFont(detalle::fuente(28, true));
    p.setPen(QColor(pal::rojo));
    p.drawText(cabecera, Qt::AlignCenter, titulo_reglas());
    p.setPen(QPen(QColor(pal::rojo), 1.5));
    p.drawLine(QPointF(60, cabecera.bottom() + 2),
               QPointF(caja.width() - 60, cabecera.bottom() + 2));

    // The list at the largest size that fits the panel.
    const QRectF cuerpo(34, cabecera.bottom() + 12, caja.width() - 34 - 28,
                        caja.height() - cabecera.bottom() - 12 - 24);
    const qreal sangria = 18;
    for (int px = 17; px >= 8; --px) {
        const QFont f = detalle::fuente(px, false);
        const QFontMetricsF fm(f);
        const qreal separacion = px * 0.45;
        qreal total = 0;
        QList<QRectF> cajas;
        for (const QString& regla : reglas_del_juego) {
            const QRectF medida = fm.boundingRect(QRectF(0, 0, cuerpo.width() - sangria, 10000),
                                                  Qt::TextWordWrap, regla);
            cajas << medida;
            total += medida.height() + separacion;
        }
        if (total - separacion > cuerpo.height() && px > 8) continue;
        qreal y = cuerpo.top() + (cuerpo.height() - (total - separacion)) / 2;
        p.setFont(f);
        for (int i = 0; i < reglas_del_juego.size(); ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(pal::rojo));
            p.drawEllipse(QPointF(cuerpo.left() + 5, y + fm.ascent() * 0.6), px * 0.22, px * 0.22);
            p.setPen(QColor(pal::negro));
            p.drawText(
                QRectF(cuerpo.left() + sangria, y, cuerpo.width() - sangria, cajas[i].height()),
                Qt::TextWordWrap, reglas_del_juego[i]);
            y += cajas[i].height() + separacion;
        }
        break;
    }
}

} // namespace

QString titulo_reglas() {
    return QStringLiteral("Mecánica del juego");
}

QStringList lista_reglas() {
    return reglas_del_juego;
}

QPixmap reglas(qreal dpr) {
    return detalle::dibujado(QStringLiteral("reglas"), tam_reglas, dpr, pintar_reglas);
}

} // namespace quimbel::dibujos
