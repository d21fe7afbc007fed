// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_focus.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "core/card_set.h"
#include "core/obligations.h"
#include "ui/qt_platform.h"
#include "ui/table_image.h"

namespace quimbel {

namespace {

bool es_flecha(int tecla) {
    return tecla == Qt::Key_Left || tecla == Qt::Key_Right || tecla == Qt::Key_Up ||
           tecla == Qt::Key_Down;
}

} // namespace

FocoMesa::FocoMesa(QWidget& ventana, const ElementosMesa& e, const Mesa& m, const PlataformaQt& p)
    : ventana_(ventana), e_(e), m_(m), plataforma_(p) {}

void FocoMesa::vigilar() {
    for (int slot = 1; slot <= cartas_por_mano; ++slot)
        e_.manos[yo][slot]->installEventFilter(this);
    for (QWidget* b : {e_.ordenamelas, e_.barajar, e_.jugando, e_.recoger, e_.Command2})
        b->installEventFilter(this);
}

bool FocoMesa::activo(const QWidget* w) const {
    return w->isVisibleTo(&ventana_) && w->isEnabled();
}

// A card of the human's that can be clicked but that the obligations refuse.
// His cards can be clicked only at his turn, when the trick can be judged.
bool FocoMesa::rehusada(const QWidget* w) const {
    for (int slot = 1; slot <= cartas_por_mano; ++slot)
        if (w == e_.manos[yo][slot])
            return activo(w) && !contiene(cartas_aceptadas(m_), m_.en_hueco[yo][slot]);
    return false;
}

// The first card the rules accept; the first card at all should none be.
QWidget* FocoMesa::primera_carta() const {
    QWidget* cualquiera = nullptr;
    for (int slot = 1; slot <= cartas_por_mano; ++slot) {
        QWidget* carta = e_.manos[yo][slot];
        if (!activo(carta)) continue;
        if (!rehusada(carta)) return carta;
        if (cualquiera == nullptr) cualquiera = carta;
    }
    return cualquiera;
}

void FocoMesa::tras_un_paso(QWidget* foco) {
    if (plataforma_.terminado()) return;
    if (foco == nullptr || foco == &ventana_ || !activo(foco) ||
        (foco == e_.Command2 && !salir_elegido_) || rehusada(foco))
        al_siguiente();
}

// When the control with the focus can no longer act, Qt hands the focus on by
// itself, often to SALIR; and a window that is activated with nothing focused
// gives it to the first control that can take it, which during a pause is
// SALIR. A stray Space must not end the game, so the focus is moved on here.
void FocoMesa::al_siguiente() {
    for (QWidget* w : {static_cast<QWidget*>(e_.ordenamelas), static_cast<QWidget*>(e_.jugando),
                       static_cast<QWidget*>(e_.recoger), static_cast<QWidget*>(e_.barajar)}) {
        if (activo(w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (QWidget* carta = primera_carta()) {
        carta->setFocus(Qt::OtherFocusReason);
        return;
    }
    ventana_.setFocus(Qt::OtherFocusReason);
}

QList<QWidget*> FocoMesa::alcanzables() const {
    QList<QWidget*> lista;
    for (int slot = 1; slot <= cartas_por_mano; ++slot)
        if (activo(e_.manos[yo][slot])) lista << e_.manos[yo][slot];
    for (QWidget* w : {static_cast<QWidget*>(e_.ordenamelas), static_cast<QWidget*>(e_.barajar),
                       static_cast<QWidget*>(e_.jugando), static_cast<QWidget*>(e_.recoger)})
        if (activo(w)) lista << w;
    return lista;
}

// Left and Up go back, Right and Down on, and both stop at the ends: an arrow
// never wraps round, and never reaches SALIR. From SALIR, an arrow goes back
// to the control that acts next.
bool FocoMesa::flecha(int tecla, QWidget* desde) {
    const QList<QWidget*> lista = alcanzables();
    const qsizetype i = lista.indexOf(desde);
    if (i < 0) {
        al_siguiente();
        return true;
    }
    const bool atras = tecla == Qt::Key_Left || tecla == Qt::Key_Up;
    const qsizetype j = atras ? i - 1 : i + 1;
    if (j >= 0 && j < lista.size()) lista[j]->setFocus(Qt::OtherFocusReason);
    return true;
}

bool FocoMesa::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (es_flecha(tecla->key()) && objeto->isWidgetType())
            return flecha(tecla->key(), static_cast<QWidget*>(objeto));
    } else if (objeto == e_.Command2 && evento->type() == QEvent::FocusIn) {
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        salir_elegido_ = razon == Qt::TabFocusReason || razon == Qt::BacktabFocusReason ||
                         razon == Qt::MouseFocusReason || razon == Qt::ShortcutFocusReason;
        // Given by the window's activation, or any other way than the
        // player's: taken back as soon as the event is over.
        if (!salir_elegido_)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (e_.Command2->hasFocus() && !salir_elegido_ && !plataforma_.terminado())
                        al_siguiente();
                },
                Qt::QueuedConnection);
    }
    return QObject::eventFilter(objeto, evento);
}

} // namespace quimbel
