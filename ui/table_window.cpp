#include "ui/table_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "core/deal.h"
#include "core/texts.h"
#include "handlers/turn.h"
#include "ui/layout.h"
#include "ui/pictures/pictures.h"
#include "ui/table_image.h"
#include "ui/table_shape.h"

namespace quimbel {

namespace d = disposicion;

namespace {

const QColor fondo_ventana(0, 64, 64);
const QColor verde_tapete(0, 128, 0);
const QColor oliva(128, 128, 0);
const QColor rojo_marco(192, 0, 0);
const QColor lila_boton(128, 128, 255);
const QColor teja_boton(192, 64, 0);

QString q(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

// The fonts the table was designed with, and a metric-compatible substitute
// where they are missing.
QFont fuente(const QString& familia, qreal puntos, bool negrita = false) {
    QFont f;
    f.setFamilies({familia, QStringLiteral("Liberation Sans")});
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}
QFont arial(qreal puntos) { return fuente(QStringLiteral("Arial"), puntos); }
QFont ms_sans_serif(qreal puntos, bool negrita = false) {
    return fuente(QStringLiteral("MS Sans Serif"), puntos, negrita);
}

QColor color_sistema(QPalette::ColorRole papel) { return QApplication::palette().color(papel); }

// A label on the table: transparent unless it is given a back colour.
QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, d::Caja caja,
                 const QFont& f, QColor tinta) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(d::en_pixeles(caja));
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, tinta);
    l->setPalette(p);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

FiguraMesa* figura(QWidget* padre, const QString& nombre, d::Caja caja,
                   std::optional<QColor> relleno, QColor borde, int grosor) {
    auto* f = new FiguraMesa(relleno, borde, grosor, padre);
    f->setObjectName(nombre);
    f->setGeometry(d::en_pixeles(caja));
    return f;
}

QString indexado(const char* nombre, int i) {
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(nombre)).arg(i);
}

} // namespace

VentanaMesa::VentanaMesa(OpcionesMesa opciones, QWidget* padre)
    : QWidget(padre),
      azar_propio_(opciones.azar ? nullptr : std::make_unique<AzarReloj>()),
      plataforma_(opciones.pausas),
      mesa_(plataforma_, opciones.azar ? *opciones.azar : *azar_propio_),
      vista_(mesa_, e_) {
    setObjectName(QStringLiteral("mesa"));
    setWindowTitle(q(texto::titulo));
    setWindowIcon(dibujos::icono());
    setFixedSize(d::a_pixeles(d::ancho_ventana), d::a_pixeles(d::alto_ventana));
    QPalette p = palette();
    p.setColor(QPalette::Window, fondo_ventana);
    setPalette(p);
    setAutoFillBackground(true);

    construir();
    enlazar();

    plataforma_.ventana = this;
    plataforma_.antes_de_esperar = [this] { refrescar(); };
    plataforma_.al_terminar = [this] { hide(); };
    if (opciones.salida) plataforma_.salida = std::move(opciones.salida);

    plataforma_.arrancar_relojes();
    refrescar();
    Form_Load(mesa_);
    refrescar();
}

VentanaMesa::~VentanaMesa() = default;

// Widgets are made from the back of the table to the front: a later sibling
// is drawn over an earlier one.
void VentanaMesa::construir() {
    construir_fondo();
    construir_manos_yo_y_creditos();
    construir_marcador();
    construir_manos_maquina();
    construir_pinta();
    construir_centro();
    construir_tanteo();
    construir_anuncios();
    construir_botones();
}

void VentanaMesa::construir_fondo() {
    figura(this, QStringLiteral("Shape1"), d::Shape1, verde_tapete, oliva, 4);
    figura(this, QStringLiteral("Shape5"), d::Shape5, QColor(Qt::black),
           color_sistema(QPalette::Light), 1);
    figura(this, QStringLiteral("Shape6"), d::Shape6, QColor(Qt::black), rojo_marco, 1);
    e_.Shape4 = figura(this, QStringLiteral("Shape4"), d::Shape4, QColor(Qt::black), rojo_marco, 1);
    e_.Shape4->hide();
    figura(this, QStringLiteral("Shape2"), d::Shape2, verde_tapete, oliva, 4);
}

void VentanaMesa::construir_manos_yo_y_creditos() {
    for (int slot = 1; slot <= 10; ++slot) {
        auto* carta = new ImagenMesa(almacen_, this);
        carta->setObjectName(indexado("yo", slot));
        carta->setGeometry(d::en_pixeles(d::mano(yo, slot)));
        carta->hacer_pulsable();
        carta->hide();
        e_.manos[yo][slot] = carta;
    }
    // The author's lines; the game never changes them.
    QFont cursiva = arial(9);
    cursiva.setItalic(true);
    etiqueta(this, "Label1(0)", QStringLiteral("Quimbel: Tute a cuatro"), d::Label1[0], cursiva,
             Qt::white);
    QFont subrayada = arial(9.75);
    subrayada.setUnderline(true);
    etiqueta(this, "Label1(1)", QStringLiteral("Programa libre, hecho con Qt"), d::Label1[1],
             subrayada, QColor(0, 192, 0));
}

void VentanaMesa::construir_marcador() {
    for (int asiento = yo; asiento >= derecha; --asiento) {
        auto* m = new ImagenMesa(almacen_, this);
        m->setObjectName(QStringLiteral("mano%1").arg(asiento));
        m->setGeometry(d::en_pixeles(d::marcador[asiento]));
        m->poner_dibujo(dibujo::marcador);
        m->hide();
        e_.mano_marcador[asiento] = m;
    }
}

void VentanaMesa::construir_manos_maquina() {
    static const char* caras[4] = {"", "derecha", "arriba", "izquierda"};
    static const char* dorsos[4] = {"", "tapa_de", "tapa_ar", "tapa_iz"};
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        // Each seat's backs lie over its faces, slot 10 frontmost.
        for (int slot = 1; slot <= 10; ++slot) {
            auto* cara = new ImagenMesa(almacen_, this);
            cara->setObjectName(indexado(caras[asiento], slot));
            cara->setGeometry(d::en_pixeles(d::mano(asiento, slot)));
            cara->hide();
            e_.manos[asiento][slot] = cara;
        }
        for (int slot = 1; slot <= 10; ++slot) {
            auto* dorso = new ImagenMesa(almacen_, this);
            dorso->setObjectName(indexado(dorsos[asiento], slot));
            dorso->setGeometry(d::en_pixeles(d::tapa(asiento, slot)));
            dorso->hide();
            e_.tapas[asiento][slot] = dorso;
        }
    }
}

void VentanaMesa::construir_pinta() {
    e_.pinta = new ImagenMesa(almacen_, this);
    e_.pinta->setObjectName(QStringLiteral("pinta"));
    e_.pinta->setGeometry(d::en_pixeles(d::pinta));
    e_.pinta->hide();
    e_.Label2 = etiqueta(this, "Label2", q(texto::pinta_titulo), d::Label2, ms_sans_serif(12),
                         color_sistema(QPalette::HighlightedText));
    e_.Label2->hide();
}

void VentanaMesa::construir_centro() {
    for (int i = 0; i < 4; ++i)
        figura(this, indexado("Shape3", i), d::Shape3[i], std::nullopt, oliva, 1);
    // From the back: norte, este, oeste, sur.
    for (int asiento : {arriba, izquierda, derecha, yo}) {
        auto* c = new ImagenMesa(almacen_, this);
        c->setObjectName(q(nombre_centro(asiento)));
        c->setGeometry(d::en_pixeles(d::centro[asiento]));
        c->hide();
        e_.centro[asiento] = c;
    }
}

void VentanaMesa::construir_tanteo() {
    const QRect linea(d::a_pixeles(d::Line1_x1), d::a_pixeles(d::Line1_y),
                      d::a_pixeles(d::Line1_x2) - d::a_pixeles(d::Line1_x1) + 1, 1);
    auto* Line1 = new FiguraMesa(color_sistema(QPalette::Base), QColor(), 0, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(linea);

    const QFont titulo = ms_sans_serif(8.25, true);
    const QColor claro = color_sistema(QPalette::HighlightedText);
    etiqueta(this, "Label9(0)", QStringLiteral("TANTEO"), d::Label9[0], titulo, claro);
    etiqueta(this, "Label9(1)", QStringLiteral("JUEGOS"), d::Label9[1], titulo, claro);
    etiqueta(this, "Label9(2)", QStringLiteral("Nos.  Ellos"), d::Label9[2], titulo, claro);
    etiqueta(this, "Label9(3)", QStringLiteral("Nos.  Ellos"), d::Label9[3], titulo, claro);

    auto numero = [this](const char* nombre, d::Caja caja) {
        QLabel* l = etiqueta(this, nombre, QString(), caja, ms_sans_serif(9.75, true),
                             color_sistema(QPalette::Text));
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setLineWidth(1);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, color_sistema(QPalette::Base));
        l->setPalette(p);
        l->setAutoFillBackground(true);
        return l;
    };
    e_.tanteo_nosotros = numero("tanteo_nosotros", d::tanteo_nosotros);
    e_.tanteo_ellos = numero("tanteo_ellos", d::tanteo_ellos);
    e_.juegos_nosotros = numero("juegos_nosotros", d::juegos_nosotros);
    e_.juegos_ellos = numero("juegos_ellos", d::juegos_ellos);
}

void VentanaMesa::construir_anuncios() {
    // The bubbles and starbursts, then the banners over them.
    auto hacer = [this](int a) {
        const auto anuncio = static_cast<Anuncio>(a);
        auto* w = new ImagenMesa(almacen_, this);
        w->setObjectName(q(nombre_anuncio(anuncio)));
        w->setGeometry(d::en_pixeles(d::anuncio(anuncio)));
        w->poner_dibujo(dibujo::de_anuncio(anuncio));
        w->hide();
        e_.anuncios[a] = w;
    };
    for (int a = 4; a < num_anuncios; ++a) hacer(a);
    for (int a = 0; a < 4; ++a) hacer(a);
}

void VentanaMesa::construir_botones() {
    auto hacer = [this](const char* nombre, d::Caja caja, QColor fondo, const QFont& f) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setGeometry(d::en_pixeles(caja));
        b->setFont(f);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(false);
        // Drawn in its back colour, as a raised button; the caption greys out
        // when the button cannot act, and the keyboard focus shows as a frame.
        b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                        " border: 2px outset %2; }"
                                        "QPushButton:pressed { border-style: inset; }"
                                        "QPushButton:disabled { color: rgb(88, 88, 120); }"
                                        "QPushButton:focus { border: 2px solid rgb(32, 32, 112); }")
                             .arg(fondo.name(), fondo.lighter(140).name()));
        return b;
    };
    // The order of creation is the Tab order: the buttons of the bar from left to right.
    e_.barajar = hacer("barajar", d::barajar, lila_boton, arial(9));
    e_.jugando = hacer("jugando", d::jugando, lila_boton, arial(8.25));
    e_.recoger = hacer("recoger", d::recoger, lila_boton, arial(8.25));
    e_.Command2 = hacer("Command2", d::Command2, lila_boton, arial(8.25));
    e_.ordenamelas = hacer("ordenamelas", d::ordenamelas, teja_boton, ms_sans_serif(8.25));
    e_.ordenamelas->hide();
}

void VentanaMesa::enlazar() {
    auto conectar = [this](QPushButton* b, Control c) {
        connect(b, &QPushButton::clicked, this, [this, c] { pulsar_boton(c); });
    };
    conectar(e_.barajar, Control::barajar);
    conectar(e_.jugando, Control::jugando);
    conectar(e_.recoger, Control::recoger);
    conectar(e_.Command2, Control::Command2);
    conectar(e_.ordenamelas, Control::ordenamelas);
    for (int slot = 1; slot <= 10; ++slot)
        connect(e_.manos[yo][slot], &ImagenMesa::clicked, this, [this, slot] { pulsar_yo(slot); });

    // Tab goes through the hand from left to right, then AGRUPAR, then the bar.
    QWidget* orden[] = {e_.manos[yo][1], e_.manos[yo][2], e_.manos[yo][3], e_.manos[yo][4],
                        e_.manos[yo][5], e_.manos[yo][6], e_.manos[yo][7], e_.manos[yo][8],
                        e_.manos[yo][9], e_.manos[yo][10], e_.ordenamelas, e_.barajar,
                        e_.jugando, e_.recoger, e_.Command2};
    for (std::size_t i = 1; i < std::size(orden); ++i) setTabOrder(orden[i - 1], orden[i]);
}

void VentanaMesa::pulsar_boton(Control c) {
    pulsar(mesa_, c);
    refrescar();
}

void VentanaMesa::pulsar_yo(int indice) {
    pulsar_carta(mesa_, indice);
    refrescar();
}

void VentanaMesa::refrescar() {
    // Once the program is ending nothing more is shown.
    if (plataforma_.terminado()) return;
    QWidget* foco = focusWidget();
    vista_.refrescar();
    if (foco == nullptr || !foco->isVisibleTo(this) || !foco->isEnabled()) seguir_con_el_teclado();
}

// When the control with the keyboard focus can no longer act (Qt then hands
// the focus on by itself, often to SALIR), the focus goes to the control that
// acts next, so that Space after Space plays the game. While only SALIR can act
// nothing has the focus: a key pressed during a pause does not end the game.
void VentanaMesa::seguir_con_el_teclado() {
    auto activo = [this](QWidget* w) { return w->isVisibleTo(this) && w->isEnabled(); };
    for (QWidget* w : {static_cast<QWidget*>(e_.ordenamelas), static_cast<QWidget*>(e_.jugando),
                       static_cast<QWidget*>(e_.recoger), static_cast<QWidget*>(e_.barajar)}) {
        if (activo(w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    for (int slot = 1; slot <= 10; ++slot) {
        if (activo(e_.manos[yo][slot])) {
            e_.manos[yo][slot]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (QWidget* foco = focusWidget()) foco->clearFocus();
}

void VentanaMesa::closeEvent(QCloseEvent* e) {
    if (!plataforma_.terminado()) Command2_Click(mesa_);
    e->accept();
}

} // namespace quimbel
