#include "ui/table_view.h"

#include <QLabel>
#include <QPushButton>

#include "ui/table_image.h"

namespace quimbel {

namespace {

void mostrar(QWidget* w, bool visible) {
    if (w->isHidden() == visible) w->setVisible(visible);
}

void habilitar(QWidget* w, bool enabled) {
    if (w->isEnabled() != enabled) w->setEnabled(enabled);
}

void imagen(ImagenMesa* w, const Imagen& i) {
    w->poner_dibujo(i.dibujo);
    mostrar(w, i.visible);
}

// A card that faces up carries its name for a screen reader: "As de oros".
void nombrar(ImagenMesa* w, const Imagen& i) {
    const QString nombre = i.visible && i.tag >= 1 && i.tag <= 40
                               ? QString::fromStdString(nombre_carta(i.tag))
                               : QString();
    if (w->accessibleName() != nombre) w->setAccessibleName(nombre);
}

void boton(QPushButton* w, const Boton& b) {
    const QString caption = QString::fromStdString(b.caption);
    if (w->text() != caption) w->setText(caption);
    habilitar(w, b.enabled);
    mostrar(w, b.visible);
}

void etiqueta(QLabel* w, const Etiqueta& e) {
    const QString caption = QString::fromStdString(e.caption);
    if (w->text() != caption) w->setText(caption);
}

} // namespace

void VistaMesa::refrescar() {
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        for (int slot = 1; slot <= 10; ++slot) {
            imagen(e_.manos[asiento][slot], m_.manos[asiento][slot]);
            if (asiento != yo) imagen(e_.tapas[asiento][slot], m_.tapas[asiento][slot]);
        }
        imagen(e_.centro[asiento], m_.centro[asiento]);
        nombrar(e_.centro[asiento], m_.centro[asiento]);
        mostrar(e_.mano_marcador[asiento], m_.mano_marcador[asiento]);
    }
    // Only the human's hand can be clicked; the computer faces stay nameless
    // under their backs.
    for (int slot = 1; slot <= 10; ++slot) {
        habilitar(e_.manos[yo][slot], m_.manos[yo][slot].enabled);
        nombrar(e_.manos[yo][slot], m_.manos[yo][slot]);
    }

    imagen(e_.pinta, m_.pinta);
    nombrar(e_.pinta, m_.pinta);
    mostrar(e_.Label2, m_.label2_visible);
    mostrar(e_.Shape4, m_.shape4_visible);

    for (int a = 0; a < num_anuncios; ++a) mostrar(e_.anuncios[a], m_.anuncios[a]);

    boton(e_.barajar, m_.barajar);
    boton(e_.jugando, m_.jugando);
    boton(e_.recoger, m_.recoger);
    boton(e_.Command2, m_.Command2);
    boton(e_.ordenamelas, m_.ordenamelas);

    etiqueta(e_.tanteo_nosotros, m_.tanteo_nosotros);
    etiqueta(e_.tanteo_ellos, m_.tanteo_ellos);
    etiqueta(e_.juegos_nosotros, m_.juegos_nosotros);
    etiqueta(e_.juegos_ellos, m_.juegos_ellos);
}

} // namespace quimbel
