// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/box_wait.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWindow>

namespace quimbel {

namespace {

bool es_entrada(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove: return true;
    default: return false;
    }
}

// Swallows the input bound for the blocked window and its widgets.
class Bloqueo final : public QObject {
  public:
    Bloqueo(QWidget* ventana, QDialog& caja) : ventana_(ventana), caja_(caja) {
        qApp->installEventFilter(this);
    }
    ~Bloqueo() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* destino, QEvent* e) override {
        if (!ventana_ || !es_entrada(e->type())) return false;
        auto* w = qobject_cast<QWidget*>(destino);
        const bool en_ventana = w ? w->window() == ventana_
                                  : destino == static_cast<QObject*>(ventana_->windowHandle());
        if (!en_ventana) return false;
        if (e->type() == QEvent::MouseButtonPress) {
            caja_.raise();
            caja_.activateWindow();
        }
        return true;
    }

  private:
    QPointer<QWidget> ventana_;
    QDialog& caja_;
};

} // namespace

void esperar_respuesta(QDialog& caja, QWidget* ventana) {
    const Bloqueo bloqueo(ventana ? ventana->window() : nullptr, caja);
    QEventLoop bucle;
    QObject::connect(&caja, &QDialog::finished, &bucle, &QEventLoop::quit);
    caja.setWindowModality(Qt::NonModal);
    caja.show();
    // Qt asks for the keys only for a modal window; this box takes them too.
    caja.activateWindow();
    bucle.exec();
    // The keys go back to the window, as when a modal box closes.
    if (ventana && !ventana->isHidden() && QApplication::activeWindow() == nullptr)
        ventana->activateWindow();
}

} // namespace quimbel
