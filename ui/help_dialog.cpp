// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_dialog.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/texts.h"
#include "ui/help_texts.h"
#include "ui/pictures/pictures.h"
#include "ui/table_style.h"

namespace quimbel {

namespace {

QString caption(Control c) {
    std::string_view t = texto::salir;
    switch (c) {
    case Control::barajar: t = texto::barajar_y_repartir; break;
    case Control::ordenamelas: t = texto::agrupar; break;
    case Control::jugando: t = texto::la_mano; break;
    case Control::recoger: t = texto::tantearse_recoger; break;
    case Control::Command2: break;
    }
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

} // namespace

QString DialogoAyuda::contenido() {
    QString html = QStringLiteral("<h3>%1</h3><ul>").arg(dibujos::titulo_reglas().toHtmlEscaped());
    for (const QString& regla : dibujos::lista_reglas())
        html += QStringLiteral("<li>%1</li>").arg(regla.toHtmlEscaped());
    html += QStringLiteral("</ul><h3>Los botones</h3><ul>");
    for (Control c : ayuda::botones_en_orden)
        html += QStringLiteral("<li><b>%1</b>: %2</li>")
                    .arg(caption(c).toHtmlEscaped(), ayuda::consejo(c).toHtmlEscaped());
    html += QStringLiteral("</ul><h3>Las teclas</h3><table cellspacing=\"4\">");
    for (const ayuda::Tecla& t : ayuda::teclas())
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(t.teclas.toHtmlEscaped(), t.que_hace.toHtmlEscaped());
    QString numero = QCoreApplication::applicationVersion();
    if (numero.isEmpty()) numero = QStringLiteral("sin número");
    html += QStringLiteral("</table><h3>Quimbel</h3><p>Versión %1.<br>Licencia: %2.</p>")
                .arg(numero.toHtmlEscaped(), ayuda::licencia.toHtmlEscaped());
    return html;
}

DialogoAyuda::DialogoAyuda(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("ayuda"));
    setWindowTitle(QStringLiteral("Reglas y ayuda"));
    setFont(estilo::fuente_mesa());
    resize(tamano());

    auto* texto = new QTextBrowser(this);
    texto->setObjectName(QStringLiteral("texto_ayuda"));
    texto->setHtml(contenido());
    texto->setAccessibleName(windowTitle());
    auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    cerrar->setAutoDefault(false);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::close);

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(texto);
    columna->addWidget(cerrar, 0, Qt::AlignRight);
}

} // namespace quimbel
