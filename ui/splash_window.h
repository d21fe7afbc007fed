// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window `presentacion`: the product logo, the rules panel, and two
// small pictures that drift and bounce around the window. A click on the one
// that says "EMPEZAR A JUGAR" opens the table and hides the splash.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/twips.h"

namespace quimbel {

// The splash's client area in twips (794 x 575 pixels).
inline constexpr int ancho_presentacion = 11910;
inline constexpr int alto_presentacion = 8625;

// What a moving picture's step is set to at load and whenever it turns.
inline constexpr int paso_twips = 3;

// A box in twips of the client area: Left, Top, Width, Height.
struct CajaTwips {
    int left;
    int top;
    int width;
    int height;
};

// One tick of a moving picture: it moves by (dx, dy) first and only then looks
// at the four edges, turning away from any edge it has passed. A picture can
// therefore stand up to one step past an edge before it comes back.
void paso_animacion(CajaTwips& caja, int& dx, int& dy, int ancho = ancho_presentacion,
                    int alto = alto_presentacion);

// The pixel rectangle where a box in twips is drawn (rounding down, so that a
// box partly off the left or top edge keeps its place).
QRect en_pixeles(const CajaTwips& caja);

// An image or a picture box of the splash: a picture at its top-left corner,
// over an optional back colour that shows wherever the picture does not cover
// the box. It ignores clicks, and so does the window they pass on to.
class CajaImagen : public QWidget {
    Q_OBJECT

  public:
    CajaImagen(QPixmap dibujo, QColor fondo, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QPixmap dibujo_;
    QColor fondo_;
};

// The same, as a control: a click on it, or Space, Return or Enter while it has
// the keyboard focus, emits clicked(). Being a button it is also announced as
// one to a screen reader.
class BotonImagen : public QAbstractButton {
  public:
    BotonImagen(QPixmap dibujo, QColor fondo, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    QPixmap dibujo_;
    QColor fondo_;
};

class Presentacion : public QWidget {
    Q_OBJECT

  public:
    // `abrir_mesa` creates the table window the first time and shows it (not
    // modal); the splash hides itself right after it.
    explicit Presentacion(std::function<void()> abrir_mesa, QWidget* parent = nullptr);

    // The two timers' ticks and the click on Picture2, callable directly.
    void Timer1_Timer();
    void Timer2_Timer();
    void Picture2_Click();

    // Puts Picture1 and Picture2 where their boxes in twips say. The ticks
    // call it through `refresco`, at most once a frame.
    void colocar_figuras();

    const CajaTwips& caja_picture1() const { return picture1_; }
    const CajaTwips& caja_picture2() const { return picture2_; }

    // The steps per tick, in twips, of Picture1 and Picture2.
    int dx1 = 0, dy1 = 0, dx2 = 0, dy2 = 0;

  protected:
    // The timers run only while the splash is on screen: once the table is
    // open nothing visible depends on them, and they would only burn time.
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

  private:
    void Form_Load();
    static void colocar(QWidget* w, const CajaTwips& caja);

    std::function<void()> abrir_mesa_;
    bool abriendo_mesa_ = false;

    CajaTwips image2_{4890, 45, 2250, 1005};
    CajaTwips image1_{1815, 1080, 8400, 7080};
    CajaTwips picture1_{-2400, -2415, 2700, 2700};
    CajaTwips picture2_{11535, 8205, 2700, 2850};

    CajaImagen* Image2;
    CajaImagen* Image1;
    CajaImagen* Picture1;
    BotonImagen* Picture2;
    QTimer Timer1{this};
    QTimer Timer2{this};
    // A step is a fifth of a pixel and the ticks come a thousand a second, so
    // the widgets would move some three hundred times a second, far more often
    // than any screen shows a frame. The steps are counted at every tick; the
    // widgets follow once a frame, and the speed is the same.
    QTimer refresco{this};
};

} // namespace quimbel
