// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/splash_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QString>
#include <utility>

#include "core/texts.h"
#include "ui/accessibility.h"
#include "ui/pictures/pictures.h"

namespace quimbel {

namespace {

// The back colour of the two moving picture boxes.
const QColor fondo_cajas{255, 192, 192};
const QColor fondo_ventana{0, 64, 64};

void pintar_caja(QWidget* w, const QPixmap& dibujo, const QColor& fondo) {
    QPainter p(w);
    if (fondo.isValid()) p.fillRect(w->rect(), fondo);
    p.drawPixmap(0, 0, dibujo);
}

} // namespace

void paso_animacion(CajaTwips& caja, int& dx, int& dy, int ancho, int alto) {
    caja.left += dx;
    caja.top += dy;
    if (caja.left < 0) dx = paso_twips;
    if (caja.left + caja.width > ancho) dx = -paso_twips;
    if (caja.top < 0) dy = paso_twips;
    if (caja.top + caja.height > alto) dy = -paso_twips;
}

QRect en_pixeles(const CajaTwips& caja) {
    return QRect(pixel_abajo(caja.left), pixel_abajo(caja.top), pixel_abajo(caja.width),
                 pixel_abajo(caja.height));
}

CajaImagen::CajaImagen(QPixmap dibujo, QColor fondo, QWidget* parent)
    : QWidget(parent), dibujo_(std::move(dibujo)), fondo_(fondo) {
    // A box with a back colour covers itself wholly: nothing behind it needs
    // painting first when it moves.
    if (fondo_.isValid()) setAttribute(Qt::WA_OpaquePaintEvent);
}

void CajaImagen::paintEvent(QPaintEvent*) {
    pintar_caja(this, dibujo_, fondo_);
}

BotonImagen::BotonImagen(QPixmap dibujo, QColor fondo, QWidget* parent)
    : QAbstractButton(parent), dibujo_(std::move(dibujo)), fondo_(fondo) {
    if (fondo_.isValid()) setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void BotonImagen::paintEvent(QPaintEvent*) {
    pintar_caja(this, dibujo_, fondo_);
}

void BotonImagen::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(e); // Space
}

Presentacion::Presentacion(std::function<void()> abrir_mesa, QWidget* parent)
    : QWidget(parent), abrir_mesa_(std::move(abrir_mesa)) {
    accesible::instalar();
    setObjectName("presentacion");
    setWindowTitle(QString::fromUtf8(texto::titulo.data(), qsizetype(texto::titulo.size())));
    setWindowIcon(dibujos::icono());
    setFixedSize(pixel_abajo(ancho_presentacion), pixel_abajo(alto_presentacion));
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, fondo_ventana);
    setPalette(paleta);

    // Later children are drawn over earlier ones: the images, then Picture1,
    // then Picture2 on top.
    const qreal dpr = qApp->devicePixelRatio();
    Image2 = new CajaImagen(dibujos::logo(dpr), QColor(), this);
    Image2->setObjectName("Image2");
    Image1 = new CajaImagen(dibujos::reglas(dpr), QColor(), this);
    Image1->setObjectName("Image1");
    // The rules are read out as the text they show; the logo and the small
    // table tell a listener nothing the window's title does not.
    Image1->setAccessibleName(dibujos::titulo_reglas());
    Image1->setAccessibleDescription(dibujos::lista_reglas().join(QLatin1Char('\n')));
    accesible::ocultar(Image2);
    Picture1 = new CajaImagen(dibujos::mesita(dpr), fondo_cajas, this);
    Picture1->setObjectName("Picture1");
    accesible::ocultar(Picture1);
    Picture2 = new BotonImagen(dibujos::empezar(dpr), fondo_cajas, this);
    Picture2->setObjectName("Picture2");
    Picture2->setAccessibleName(QStringLiteral("Empezar a jugar"));
    connect(Picture2, &QAbstractButton::clicked, this, &Presentacion::Picture2_Click);
    // Keyboard users can start without chasing the moving picture.
    Picture2->setFocus();

    colocar(Image2, image2_);
    colocar(Image1, image1_);
    colocar(Picture1, picture1_);
    colocar(Picture2, picture2_);

    Timer1.setObjectName("Timer1");
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &Presentacion::Timer1_Timer);
    Timer2.setObjectName("Timer2");
    Timer2.setTimerType(Qt::PreciseTimer);
    Timer2.setInterval(2);
    connect(&Timer2, &QTimer::timeout, this, &Presentacion::Timer2_Timer);
    refresco.setSingleShot(true);
    refresco.setInterval(16); // about sixty frames a second
    connect(&refresco, &QTimer::timeout, this, &Presentacion::colocar_figuras);

    Form_Load();
}

void Presentacion::Form_Load() {
    dx1 = dy1 = dx2 = dy2 = paso_twips;
}

void Presentacion::colocar(QWidget* w, const CajaTwips& caja) {
    const QRect r = en_pixeles(caja);
    if (w->geometry() != r) w->setGeometry(r);
}

void Presentacion::colocar_figuras() {
    colocar(Picture1, picture1_);
    colocar(Picture2, picture2_);
}

void Presentacion::Timer1_Timer() {
    paso_animacion(picture1_, dx1, dy1);
    if (!refresco.isActive()) refresco.start();
}

void Presentacion::Timer2_Timer() {
    paso_animacion(picture2_, dx2, dy2);
    if (!refresco.isActive()) refresco.start();
}

void Presentacion::Picture2_Click() {
    // Loading the table pauses with the events still flowing, and the splash
    // is still on screen then: a second click must not open a second table.
    if (abriendo_mesa_) return;
    abriendo_mesa_ = true;
    if (abrir_mesa_) abrir_mesa_();
    hide();
    abriendo_mesa_ = false;
    // Hidden, its window would still be listed to a screen reader, as a
    // second, empty "Quimbel (V1.0)": it goes once this event is over.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isHidden()) destroy();
        },
        Qt::QueuedConnection);
}

void Presentacion::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Timer1.start();
    Timer2.start();
}

void Presentacion::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    Timer1.stop();
    Timer2.stop();
    refresco.stop();
}

} // namespace quimbel
