// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

#include "ui/table_image.h"

namespace quimbel::accesible {

namespace {

const char* const propiedad_oculto = "quimbel_oculto_al_lector";
const char* const propiedad_anuncio = "quimbel_anuncio";

// The children a listener should hear of, in the order they were made.
QList<QWidget*> hijos_que_cuentan(const QWidget* padre) {
    QList<QWidget*> hijos;
    for (QObject* o : padre->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !oculto(w)) hijos << w;
    }
    return hijos;
}

// A window of the game: a window frame, whose children leave out the pictures
// that say nothing.
class Ventana : public QAccessibleWidget {
  public:
    explicit Ventana(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

    int childCount() const override { return hijos_que_cuentan(widget()).size(); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> hijos = hijos_que_cuentan(widget());
        return i >= 0 && i < hijos.size() ? QAccessible::queryAccessibleInterface(hijos[i])
                                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        if (!hijo || !hijo->object() || !hijo->object()->isWidgetType()) return -1;
        return hijos_que_cuentan(widget()).indexOf(static_cast<QWidget*>(hijo->object()));
    }
};

// A picture of the table: a card the human can play (a button that plays it
// when pressed, exactly as a click does), a card on the table, an
// announcement. Its name is what it shows.
class Imagen : public QAccessibleWidget {
  public:
    explicit Imagen(ImagenMesa* w) : QAccessibleWidget(w, w->papel()) {}

    QAccessible::Role role() const override { return imagen()->papel(); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (imagen()->pulsable()) s.focusable = true;
        return s;
    }
    QStringList actionNames() const override {
        return imagen()->pulsable() ? QStringList{pressAction()} : QStringList{};
    }
    // The press answers at once and the card is played right after, from the
    // event loop, as a click is: a refusal's box opened inside the action
    // would keep the screen reader waiting for its answer until it gave up.
    void doAction(const QString& accion) override {
        if (accion != pressAction()) return;
        ImagenMesa* carta = imagen();
        QMetaObject::invokeMethod(
            carta, [carta] { carta->pulsar(); }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString& accion) const override {
        return accion == pressAction() && imagen()->pulsable()
                   ? QStringList{QStringLiteral("Space")}
                   : QStringList{};
    }

  private:
    ImagenMesa* imagen() const { return static_cast<ImagenMesa*>(widget()); }
};

// A picture of the splash. One that shows text (the rules) carries that text
// as its description, and is read as the text, its heading as its name. (Qt
// asks for the interface as soon as a name is given, before the description:
// what it is must be decided on each question.)
class Cuadro : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit Cuadro(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        return es_texto() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && es_texto())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    using QAccessibleWidget::text; // the name and description, beside the text's own
    QString text(int desde, int hasta) const override { return todo().mid(desde, hasta - desde); }
    int characterCount() const override { return static_cast<int>(todo().size()); }
    void selection(int, int* desde, int* hasta) const override { *desde = *hasta = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* desde, int* hasta) const override {
        *desde = 0;
        *hasta = characterCount();
        return {};
    }

  private:
    bool es_texto() const { return !widget()->accessibleDescription().isEmpty(); }
    QString todo() const {
        return widget()->accessibleName() + QLatin1Char('\n') + widget()->accessibleDescription();
    }
};

QAccessibleInterface* fabrica(const QString& clase, QObject* o) {
    if (!o || !o->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (w->property(propiedad_anuncio).toBool())
        return new QAccessibleWidget(w, QAccessible::Notification);
    if (clase == QLatin1String("quimbel::VentanaMesa") ||
        clase == QLatin1String("quimbel::Presentacion"))
        return new Ventana(w);
    if (clase == QLatin1String("quimbel::ImagenMesa"))
        return new Imagen(static_cast<ImagenMesa*>(w));
    if (clase == QLatin1String("quimbel::CajaImagen")) return new Cuadro(w);
    return nullptr;
}

} // namespace

void instalar() {
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    (void)instalada;
}

void ocultar(QWidget* w) {
    w->setProperty(propiedad_oculto, true);
}

bool oculto(const QWidget* w) {
    return w->property(propiedad_oculto).toBool();
}

void hacer_anuncio(QWidget* w) {
    w->setProperty(propiedad_anuncio, true);
}

void anunciar(QWidget* w) {
    QAccessibleEvent alerta(w, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerta);
}

} // namespace quimbel::accesible
