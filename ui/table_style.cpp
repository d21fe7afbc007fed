// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_style.h"

#include <QStringList>

namespace quimbel::estilo {

namespace {

QString rgb(QColor c) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QFont fuente(const QString& familia, qreal puntos, bool negrita = false) {
    QFont f;
    f.setFamilies({familia, QStringLiteral("Liberation Sans")});
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

} // namespace

QString hoja_de_estilo(const ColoresBoton& c) {
    // Raised in its back colour; pressed, sunken; with the focus, framed.
    QString hoja = QStringLiteral("QPushButton { background-color: %1; color: %2;"
                                  " border: 2px outset %3; }"
                                  "QPushButton:pressed { border-style: inset; }"
                                  "QPushButton:focus { border: 3px solid %4; }")
                       .arg(rgb(c.fondo), rgb(c.texto), rgb(c.fondo.lighter(140)), rgb(marco_foco));
    if (c.fondo_inhabilitado.isValid())
        hoja += QStringLiteral("QPushButton:disabled { background-color: %1; color: %2;"
                               " border: 2px solid %1; }")
                    .arg(rgb(c.fondo_inhabilitado), rgb(c.texto_inhabilitado));
    return hoja;
}

QFont arial(qreal puntos) {
    return fuente(QStringLiteral("Arial"), puntos);
}

QFont ms_sans_serif(qreal puntos, bool negrita) {
    return fuente(QStringLiteral("MS Sans Serif"), puntos, negrita);
}

QFont fuente_mesa() {
    return arial(9);
}

} // namespace quimbel::estilo
