// SPDX-License-Identifier: GPL-3.0-or-later
// A caption: the text a button or a label shows, as a window draws it and a
// trace prints it. The game only ever writes into a caption one of its own
// texts (core/texts.h) or a number, many times a deal; the text is read only
// when someone looks (a window mirrors the table at each pause, a trace after
// each command). So the caption keeps what was written, the text's view or
// the number, and spells the text out when it is read.
#pragma once

#include <string>
#include <string_view>

namespace quimbel {

class Rotulo {
  public:
    Rotulo() = default;
    // One of the game's own texts, which live as long as the program: the
    // caption keeps a view of it, never a copy.
    explicit Rotulo(std::string_view fijo) : fijo_(fijo), al_dia_(false) {}
    Rotulo& operator=(std::string_view fijo) {
        fijo_ = fijo;
        es_numero_ = false;
        al_dia_ = false;
        return *this;
    }
    // A number, shown as plain decimal text ("0", "57").
    void poner_numero(int n) {
        numero_ = n;
        es_numero_ = true;
        al_dia_ = false;
    }

    // The text shown.
    const std::string& texto() const {
        if (!al_dia_) deletrear();
        return texto_;
    }
    operator const std::string&() const { return texto(); }
    bool empty() const { return texto().empty(); }

  private:
    void deletrear() const;

    std::string_view fijo_;
    int numero_ = 0;
    bool es_numero_ = false;
    // The text spelled out at the last reading, while nothing new has been written.
    mutable bool al_dia_ = true;
    mutable std::string texto_;
};

inline bool operator==(const Rotulo& rotulo, std::string_view texto) {
    return rotulo.texto() == texto;
}

} // namespace quimbel
