// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the table, drawn once for each device pixel ratio and kept:
// the forty faces, the back, the leader marker and the announcements. An image
// of the table names what it shows by one of these numbers.
#pragma once

#include <QPixmap>
#include <map>
#include <utility>

#include "core/announcements.h"
#include "core/picture.h"

namespace quimbel {

namespace dibujo {
// 0 is no picture; 1..40 the faces of naipes(p); dibujo_dorso (41) the back,
// as the table holds them. The others are the window's own.
inline constexpr int marcador = 50;
inline constexpr int primer_anuncio = 100; // + the announcement's number
inline constexpr int de_anuncio(Anuncio a) {
    return primer_anuncio + static_cast<int>(a);
}
} // namespace dibujo

class AlmacenDibujos {
  public:
    // The picture, rendered for the ratio; a null pixmap for sin_dibujo.
    const QPixmap& dibujo(int cual, qreal dpr);
    // The faces, the back and the marker are kept for the whole game. An
    // announcement is large and most are seldom seen: its image lets it go
    // when it hides, so that a long game does not gather every one of them.
    static bool se_guarda(int cual) { return cual < dibujo::primer_anuncio; }
    void soltar(int cual);

  private:
    std::map<std::pair<int, qreal>, QPixmap> hechos_;
};

} // namespace quimbel
