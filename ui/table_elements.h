// SPDX-License-Identifier: GPL-3.0-or-later
// The widgets of the table window, one for each element the game touches,
// named as the table names them. The window builds them; the view writes the
// table's state into them.
#pragma once

#include "core/announcements.h"
#include "core/cards.h"

class QLabel;
class QPushButton;
class QWidget;

namespace quimbel {

class ImagenMesa;

struct ElementosMesa {
    ImagenMesa* manos[por_asiento][por_ranura] = {};  // derecha(i), arriba(i), izquierda(i), yo(i)
    ImagenMesa* tapas[num_asientos][por_ranura] = {}; // tapa_de(i), tapa_ar(i), tapa_iz(i)
    ImagenMesa* centro[por_asiento] = {};             // oeste, norte, este, sur
    ImagenMesa* pinta = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* Shape4 = nullptr;
    ImagenMesa* mano_marcador[por_asiento] = {}; // mano1 ... mano4
    ImagenMesa* anuncios[num_anuncios] = {};

    QPushButton* barajar = nullptr;
    QPushButton* jugando = nullptr;
    QPushButton* recoger = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* ordenamelas = nullptr;

    QLabel* tanteo_nosotros = nullptr;
    QLabel* tanteo_ellos = nullptr;
    QLabel* juegos_nosotros = nullptr;
    QLabel* juegos_ellos = nullptr;
};

} // namespace quimbel
