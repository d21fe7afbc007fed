// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display_required.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quimbel {

namespace {

struct Retenido {
    QtMsgType tipo;
    std::string categoria;
    QString texto;
};

QtMessageHandler anterior = nullptr;
std::vector<Retenido> retenidos;

// While the application is being made the only fatal message is the platform
// plugin's: no display could be opened. The warnings that lead up to it
// ("could not connect to display" and the like) are dropped with it.
void vigilar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtFatalMsg) {
        std::fputs(sin_pantalla, stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        // Not exit(): this runs inside the application's constructor.
        std::_Exit(1);
    }
    retenidos.push_back({tipo, contexto.category ? contexto.category : "", texto});
}

} // namespace

void vigilar_arranque() {
    anterior = qInstallMessageHandler(vigilar);
}

void arranque_hecho() {
    qInstallMessageHandler(anterior);
    for (const Retenido& r : retenidos) {
        const QMessageLogContext contexto(nullptr, 0, nullptr, r.categoria.c_str());
        qt_message_output(r.tipo, contexto, r.texto);
    }
    retenidos.clear();
}

} // namespace quimbel
