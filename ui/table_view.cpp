// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_view.h"

#include <QLabel>
#include <QPushButton>

#include "core/picture.h"
#include "ui/accessibility.h"
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

// A card that faces up carries the name of the face it shows for a screen
// reader: "As de oros", or "Derecha: As de oros" with who put it on the table.
void nombrar(QWidget* w, const Imagen& i, const char* de_quien = nullptr) {
    QString nombre;
    if (i.visible && i.dibujo >= 1 && i.dibujo <= num_cartas) {
        nombre = QString::fromStdString(nombre_carta(naipe_codigo(i.dibujo)));
        if (de_quien) nombre = QString::fromUtf8(de_quien) + QStringLiteral(": ") + nombre;
    }
    if (w->accessibleName() != nombre) w->setAccessibleName(nombre);
}

void boton(QPushButton* w, const Boton& b) {
    const QString caption = QString::fromStdString(b.caption);
    if (w->text() != caption) w->setText(caption);
    habilitar(w, b.enabled);
    mostrar(w, b.visible);
}

// A score, and its name for a screen reader: "Tanteo, nosotros: 32".
void etiqueta(QLabel* w, const Etiqueta& e, const char* que_cuenta) {
    const QString caption = QString::fromStdString(e.caption);
    if (w->text() == caption && !w->accessibleName().isEmpty()) return;
    w->setText(caption);
    w->setAccessibleName(QString::fromUtf8(que_cuenta) + QStringLiteral(": ") + caption);
}

} // namespace

void VistaMesa::refrescar() {
    const Cuadro c = dibujar(m_);
    for (int asiento = derecha; asiento <= yo; ++asiento) {
        for (int slot = 1; slot <= cartas_por_mano; ++slot) {
            imagen(e_.manos[asiento][slot], c.manos[asiento][slot]);
            if (asiento != yo) imagen(e_.tapas[asiento][slot], c.tapas[asiento][slot]);
        }
        imagen(e_.centro[asiento], c.centro[asiento]);
        static const char* const quien[] = {"", "Derecha", "Arriba", "Izquierda", "Yo"};
        nombrar(e_.centro[asiento], c.centro[asiento], quien[asiento]);
        mostrar(e_.mano_marcador[asiento], c.mano_marcador[asiento]);
    }
    // Only the human's hand can be clicked; the computer faces stay nameless
    // under their backs.
    for (int slot = 1; slot <= cartas_por_mano; ++slot) {
        habilitar(e_.manos[yo][slot], c.manos[yo][slot].enabled);
        nombrar(e_.manos[yo][slot], c.manos[yo][slot]);
    }

    imagen(e_.pinta, c.pinta);
    nombrar(e_.pinta, c.pinta, "Pinta");
    mostrar(e_.Label2, c.label2_visible);
    mostrar(e_.Shape4, c.shape4_visible);

    // An announcement is read out as it appears.
    for (int a = 0; a < num_anuncios; ++a) {
        const bool aparece = c.anuncios[a] && e_.anuncios[a]->isHidden();
        mostrar(e_.anuncios[a], c.anuncios[a]);
        if (aparece) accesible::anunciar(e_.anuncios[a]);
    }

    boton(e_.barajar, c.barajar);
    boton(e_.jugando, c.jugando);
    boton(e_.recoger, c.recoger);
    boton(e_.Command2, c.Command2);
    boton(e_.ordenamelas, c.ordenamelas);

    etiqueta(e_.tanteo_nosotros, c.tanteo_nosotros, "Tanteo, nosotros");
    etiqueta(e_.tanteo_ellos, c.tanteo_ellos, "Tanteo, ellos");
    etiqueta(e_.juegos_nosotros, c.juegos_nosotros, "Juegos, nosotros");
    etiqueta(e_.juegos_ellos, c.juegos_ellos, "Juegos, ellos");
}

} // namespace quimbel
