// SPDX-License-Identifier: GPL-3.0-or-later
// The announcement pictures laid over the table, by family: banners for the
// end of a deal or a match, speech bubbles for tutes and 20s, the starburst
// for "LAS 40".
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "core/announcements.h"

namespace quimbel::dibujos {

enum class Familia { cartel, bocadillo, estrella };
Familia familia_de(Anuncio a);
// The seat (1..4) whose picture `a` is; 0 for the banners.
int asiento_de(Anuncio a);

// Banners: "GANAMOS EL JUEGO" and its three brothers.
QString texto_cartel(Anuncio a);
void pintar_cartel(QPainter& p, const QRectF& caja, const QString& texto, bool ganamos);

// Speech bubbles: red for our team, blue for theirs; the tail points to the
// seat that speaks.
enum class Cola { arriba, abajo, izquierda, derecha };
Cola cola_del_asiento(int asiento);
QString texto_bocadillo(Anuncio a);
void pintar_bocadillo(QPainter& p, const QRectF& caja, const QString& texto, bool nuestro,
                      Cola cola);

// The red starburst with "LAS 40".
QString texto_estrella();
void pintar_estrella(QPainter& p, const QRectF& caja);

} // namespace quimbel::dibujos
