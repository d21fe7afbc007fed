// SPDX-License-Identifier: GPL-3.0-or-later
// What the game needs from the world outside the table: the two pauses, the
// message box, the beep, ending the program, and a few notices that a driver
// may want to watch (a window mirrors the table at each pause instead).
#pragma once

#include <string_view>

#include "core/announcements.h"
#include "core/cards.h"

namespace quimbel {

class Plataforma {
  public:
    virtual ~Plataforma() = default;

    // Whether the short pause waits at all. A platform nobody watches clears
    // it, and the routines then skip the call: seventy cards a deal are dealt
    // and put down, each after a short pause.
    bool espera_pausa_corta = true;

    // Wait for one tick of the 200 ms timer, the window still answering events.
    virtual void pausa_corta() = 0;
    // Wait for one tick of the 5000 ms timer. The beep that follows it is the
    // caller's: see pausa_larga in core/pauses.h.
    virtual void pausa_larga() = 0;
    virtual void pitido() = 0;
    // A modal message box with the text alone and one OK button.
    virtual void mensaje(std::string_view texto) = 0;
    // End the program at once.
    virtual void terminar() = 0;

    // Notices: a card has just been shown on the table, an announcement
    // picture has just been shown, a trick has just been evaluated at its
    // collection. They change nothing.
    virtual void carta_puesta(int /*asiento*/, int /*codigo*/) {}
    virtual void anuncio_mostrado(Anuncio) {}
    virtual void baza_evaluada(int /*asiento*/, Equipo) {}
};

// A platform for play that nobody watches (the bench, the duel, the hint's
// worlds): pauses take no time, messages and the beep go nowhere, and the end
// of the program is ignored. A driver overrides the notices it counts.
class PlataformaMuda : public Plataforma {
  public:
    PlataformaMuda() { espera_pausa_corta = false; }
    void pausa_corta() final {}
    void pausa_larga() override {}
    void pitido() override {}
    void mensaje(std::string_view) override {}
    void terminar() override {}
};

} // namespace quimbel
