// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis_tags.h"

#include <QLabel>
#include <algorithm>
#include <cassert>
#include <cmath>

#include "core/cards.h"
#include "handlers/controls.h"
#include "ui/accessibility.h"
#include "ui/table_image.h"
#include "ui/table_style.h"

namespace quimbel {

namespace {

QString hoja_de_estilo(bool mejor) {
    return QStringLiteral("QLabel { color: white; font-weight: bold; background: %1; "
                          "border: 1px solid white; border-radius: 4px; }")
        .arg(mejor ? estilo::marca_pista.name() : QStringLiteral("#303030"));
}

} // namespace

EtiquetasAnalisis::EtiquetasAnalisis(QWidget* ventana) {
    for (int i = 1; i <= cartas_por_mano; ++i) {
        QLabel* e = new QLabel(ventana);
        accesible::hacer_anuncio(e); // before its text: Qt asks for its interface then
        e->setObjectName(QStringLiteral("analisis%1").arg(i));
        e->setFont(estilo::arial(8.25));
        e->setAlignment(Qt::AlignCenter);
        e->setAttribute(Qt::WA_TransparentForMouseEvents);
        e->hide();
        etiquetas_[i] = e;
    }
}

QString EtiquetasAnalisis::escrito(double valor) {
    const int por_ciento = static_cast<int>(std::lround(100 * std::clamp(valor, 0.0, 1.0)));
    return QString::number(por_ciento) + QLatin1Char('%');
}

QString EtiquetasAnalisis::dicho(int codigo, double valor) {
    return QString::fromStdString(nombre_carta(codigo)) + QStringLiteral(": ") + escrito(valor);
}

void EtiquetasAnalisis::mostrar(const consejo::Consejo& consejo,
                                ImagenMesa* const (&cartas)[por_ranura]) {
    quitar();
    for (const consejo::Valoracion& v : consejo.valores) {
        assert(es_ranura(v.hueco));
        QLabel* e = etiquetas_[v.hueco];
        const bool mejor = v.hueco == consejo.hueco;
        e->setText(escrito(v.valor));
        e->setStyleSheet(hoja_de_estilo(mejor));
        const QString nombre = dicho(v.codigo, v.valor);
        if (e->accessibleName() != nombre) e->setAccessibleName(nombre);
        e->adjustSize();
        e->resize(e->width() + 6, e->height());
        // On the lower part of the card's face, where the PISTA tag, above
        // the card, does not cover it.
        const QRect c = cartas[v.hueco]->geometry();
        e->move(c.center().x() - e->width() / 2, c.bottom() - e->height() - 4);
        e->raise();
        e->show();
        codigos_[v.hueco] = v.codigo;
        accesible::anunciar(e);
    }
}

void EtiquetasAnalisis::quitar_si_gastadas(const Mesa& m) {
    for (int i = 1; i <= cartas_por_mano; ++i) {
        if (codigos_[i] == 0) continue;
        if (!puede_carta(m, i) || m.en_hueco[yo][i] != codigos_[i]) {
            quitar();
            return;
        }
    }
}

void EtiquetasAnalisis::quitar() {
    for (int i = 1; i <= cartas_por_mano; ++i) {
        etiquetas_[i]->hide();
        codigos_[i] = 0;
    }
}

} // namespace quimbel
