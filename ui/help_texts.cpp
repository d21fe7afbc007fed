// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_texts.h"

namespace quimbel::ayuda {

QString consejo(Control c) {
    switch (c) {
    case Control::barajar:
        return QStringLiteral("Baraja y reparte diez cartas a cada uno; la última del que da "
                              "es la pinta. Al acabar una partida, empieza otra.");
    case Control::ordenamelas:
        return QStringLiteral("Agrupa tus cartas por palos. Hay que pulsarlo después de cada "
                              "reparto, antes de la primera baza: hasta entonces La Mano no "
                              "se puede pulsar.");
    case Control::jugando:
        return QStringLiteral("Juegan los que salen antes que tú en esta baza; luego echas tu "
                              "carta con un clic. El botón dice quién sale.");
    case Control::recoger:
        return QStringLiteral("Recoge la baza y cuenta sus puntos. Los cantes de 20, las 40 y "
                              "los tutes se hacen solos.");
    case Control::Command2: break;
    }
    return QStringLiteral("Termina el programa en el acto; la partida no se guarda.");
}

const QList<Tecla>& teclas() {
    static const QList<Tecla> lista = {
        {QStringLiteral("Tab, Mayús+Tab"),
         QStringLiteral("Pasan a la carta o al botón siguiente o al anterior.")},
        {QStringLiteral("Flechas"),
         QStringLiteral("Izquierda y derecha pasan de una de tus cartas a otra; arriba y abajo "
                        "también. Solo llevan a lo que se puede pulsar, nunca a SALIR.")},
        {QStringLiteral("Espacio, Intro"),
         QStringLiteral("Echan la carta o pulsan el botón del marco amarillo.")},
        {QStringLiteral("P"),
         QStringLiteral("Pista: cuando te toca echar, marca la carta que más te conviene "
                        "y el lector de pantalla la dice; no la echa por ti.")},
        {QStringLiteral("A"),
         QStringLiteral("Análisis: cuando te toca echar, escribe en cada carta que puedes echar "
                        "la probabilidad de ganar la partida si la echas, y la mejor en el color "
                        "de la pista; el lector de pantalla dice cada carta con la suya.")},
        {QStringLiteral("F1"), QStringLiteral("Abre esta ayuda.")},
        {QStringLiteral("Esc"), QStringLiteral("Cierra esta ayuda.")},
    };
    return lista;
}

} // namespace quimbel::ayuda
