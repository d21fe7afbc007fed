// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>

#include "advisor/advisor.h"
#include "core/deal.h"
#include "core/texts.h"
#include "handlers/turn.h"
#include "ui/accessibility.h"
#include "ui/help_dialog.h"
#include "ui/help_place.h"
#include "ui/help_texts.h"
#include "ui/layout.h"
#include "ui/pictures/pictures.h"
#include "ui/score_header.h"
#include "ui/table_image.h"
#include "ui/table_shape.h"
#include "ui/table_style.h"

namespace quimbel {

namespace d = disposicion;

namespace {

using estilo::arial;
using estilo::ms_sans_serif;

QString q(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

QColor color_sistema(QPalette::ColorRole papel) {
    return QApplication::palette().color(papel);
}

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

// A shape of the table: decoration, which a screen reader passes over.
FiguraMesa* figura(QWidget* padre, const QString& nombre, d::Caja caja,
                   std::optional<QColor> relleno, QColor borde, int grosor) {
    auto* f = new FiguraMesa(relleno, borde, grosor, padre);
    f->setObjectName(nombre);
    f->setGeometry(d::en_pixeles(caja));
    accesible::ocultar(f);
    return f;
}

qreal centro_x(d::Caja caja) {
    const QRect r = d::en_pixeles(caja);
    return r.x() + r.width() / 2.0;
}

// A tooltip in lines of some forty letters: Qt shows plain text in one line,
// however long, and wraps rich text to widths of its own choosing.
QString en_lineas(const QString& texto, const QFontMetrics& letra) {
    const int ancho = 40 * letra.averageCharWidth();
    QStringList lineas;
    for (const QString& palabra : texto.split(QLatin1Char(' '))) {
        const QString mas =
            lineas.isEmpty() ? QString() : lineas.back() + QLatin1Char(' ') + palabra;
        if (!lineas.isEmpty() && letra.horizontalAdvance(mas) <= ancho)
            lineas.back() = mas;
        else
            lineas << palabra;
    }
    return lineas.join(QLatin1Char('\n'));
}

QString indexado(const char* nombre, int i) {
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(nombre)).arg(i);
}

} // namespace

VentanaMesa::VentanaMesa(OpcionesMesa opciones, QWidget* padre)
    : QWidget(padre), azar_propio_(opciones.azar ? nullptr : std::make_unique<AzarReloj>()),
      plataforma_(opciones.pausas),
      mesa_(plataforma_, opciones.azar ? *opciones.azar : *azar_propio_), vista_(mesa_, e_),
      foco_(*this, e_, mesa_, plataforma_) {
    accesible::instalar();
    setObjectName(QStringLiteral("mesa"));
    setWindowTitle(q(texto::titulo));
    setWindowIcon(dibujos::icono());
    setFixedSize(d::a_pixeles(d::ancho_ventana), d::a_pixeles(d::alto_ventana));
    QPalette p = palette();
    p.setColor(QPalette::Window, estilo::fondo_ventana);
    setPalette(p);
    setAutoFillBackground(true);

    construir();
    enlazar();

    plataforma_.ventana = this;
    // The refusal of a card opens beside the trick, right of the card of the
    // seat on the right and below the trump, so that it hides neither.
    plataforma_.lugar_mensaje = QPoint(d::a_pixeles(d::aviso_left), d::a_pixeles(d::aviso_top));
    plataforma_.fuente_mensaje = estilo::fuente_mesa();
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
    construir_pista();
    analisis_ = std::make_unique<EtiquetasAnalisis>(this);
    construir_anuncios();
    construir_botones();
}

void VentanaMesa::construir_fondo() {
    using namespace estilo;
    figura(this, QStringLiteral("Shape1"), d::Shape1, verde_tapete, oliva, 4);
    figura(this, QStringLiteral("Shape5"), d::Shape5, barra, color_sistema(QPalette::Light), 1);
    figura(this, QStringLiteral("Shape6"), d::Shape6, QColor(Qt::black), rojo_marco, 1);
    e_.Shape4 = figura(this, QStringLiteral("Shape4"), d::Shape4, QColor(Qt::black), rojo_marco, 1);
    e_.Shape4->hide();
    figura(this, QStringLiteral("Shape2"), d::Shape2, verde_tapete, oliva, 4);
}

void VentanaMesa::construir_manos_yo_y_creditos() {
    for (int slot = 1; slot <= cartas_por_mano; ++slot) {
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
        accesible::ocultar(m); // La Mano names the leader
        e_.mano_marcador[asiento] = m;
    }
}

void VentanaMesa::construir_manos_maquina() {
    static const char* caras[4] = {"", "derecha", "arriba", "izquierda"};
    static const char* dorsos[4] = {"", "tapa_de", "tapa_ar", "tapa_iz"};
    for (int asiento = derecha; asiento <= izquierda; ++asiento) {
        // Each seat's backs lie over its faces, the last slot frontmost. A listener is
        // told of neither: the faces are never seen and the backs say nothing.
        for (int slot = 1; slot <= cartas_por_mano; ++slot) {
            auto* cara = new ImagenMesa(almacen_, this);
            cara->setObjectName(indexado(caras[asiento], slot));
            cara->setGeometry(d::en_pixeles(d::mano(asiento, slot)));
            cara->hide();
            accesible::ocultar(cara);
            e_.manos[asiento][slot] = cara;
        }
        for (int slot = 1; slot <= cartas_por_mano; ++slot) {
            auto* dorso = new ImagenMesa(almacen_, this);
            dorso->setObjectName(indexado(dorsos[asiento], slot));
            dorso->setGeometry(d::en_pixeles(d::tapa(asiento, slot)));
            dorso->hide();
            accesible::ocultar(dorso);
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
    accesible::ocultar(e_.Label2); // the trump card's own name says it
}

void VentanaMesa::construir_centro() {
    for (int i = 0; i < 4; ++i)
        figura(this, indexado("Shape3", i), d::Shape3[i], std::nullopt, estilo::oliva, 1);
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
    accesible::ocultar(Line1);

    // Each word over the box it heads. Each score's name says all of this to
    // a listener, so the headers are left out for a screen reader.
    const QFont titulo = ms_sans_serif(8.25, true);
    const QColor claro = color_sistema(QPalette::HighlightedText);
    const qreal tn = centro_x(d::tanteo_nosotros), te = centro_x(d::tanteo_ellos);
    const qreal jn = centro_x(d::juegos_nosotros), je = centro_x(d::juegos_ellos);
    const struct {
        const char* nombre;
        QString texto;
        QList<qreal> centros;
    } cabeceras[] = {{"Label9(0)", QStringLiteral("TANTEO"), {(tn + te) / 2}},
                     {"Label9(1)", QStringLiteral("JUEGOS"), {(jn + je) / 2}},
                     {"Label9(2)", QStringLiteral("Nos.  Ellos"), {tn, te}},
                     {"Label9(3)", QStringLiteral("Nos.  Ellos"), {jn, je}}};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* l = new CabeceraMarcador(cabeceras[i].texto, cabeceras[i].centros, this);
        l->setObjectName(QString::fromLatin1(cabeceras[i].nombre));
        l->setGeometry(d::en_pixeles(d::Label9[i]));
        l->setFont(titulo);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, claro);
        l->setPalette(p);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        accesible::ocultar(l);
    }

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

// The hint's tag, shown over the card the hint suggests: a screen reader
// reads it out as it appears, as it does the bubbles and banners.
void VentanaMesa::construir_pista() {
    pista_ = new QLabel(this);
    accesible::hacer_anuncio(pista_); // before its text: Qt asks for its interface then
    pista_->setText(QStringLiteral("PISTA"));
    pista_->setObjectName(QStringLiteral("pista"));
    pista_->setFont(arial(8.25));
    pista_->setAlignment(Qt::AlignCenter);
    pista_->setStyleSheet(QStringLiteral("QLabel { color: white; font-weight: bold; "
                                         "background: %1; border: 1px solid white; "
                                         "border-radius: 4px; }")
                              .arg(estilo::marca_pista.name()));
    pista_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pista_->adjustSize();
    pista_->resize(pista_->width() + 8, pista_->height());
    pista_->hide();
}

void VentanaMesa::construir_anuncios() {
    // The bubbles and starbursts, then the banners over them.
    auto hacer = [this](int a) {
        const auto anuncio = static_cast<Anuncio>(a);
        auto* w = new ImagenMesa(almacen_, this);
        w->setObjectName(q(nombre_anuncio(anuncio)));
        w->setGeometry(d::en_pixeles(d::anuncio(anuncio)));
        w->poner_dibujo(dibujo::de_anuncio(anuncio));
        w->poner_papel(QAccessible::Notification);
        w->setAccessibleName(dibujos::texto_anuncio(anuncio));
        w->hide();
        e_.anuncios[a] = w;
    };
    for (int a = 4; a < num_anuncios; ++a) hacer(a);
    for (int a = 0; a < 4; ++a) hacer(a);
}

void VentanaMesa::construir_botones() {
    auto hacer = [this](const char* nombre, d::Caja caja, const estilo::ColoresBoton& colores,
                        const QFont& f, Control c) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setGeometry(d::en_pixeles(caja));
        b->setFont(f);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(false);
        b->setStyleSheet(estilo::hoja_de_estilo(colores));
        b->setToolTip(en_lineas(ayuda::consejo(c), QFontMetrics(QToolTip::font())));
        b->setAccessibleDescription(ayuda::consejo(c)); // read as one sentence
        return b;
    };
    // The order of creation is the Tab order: the buttons of the bar from left to right.
    using estilo::boton_lila;
    e_.barajar = hacer("barajar", d::barajar, boton_lila, arial(9), Control::barajar);
    e_.jugando = hacer("jugando", d::jugando, boton_lila, arial(8.25), Control::jugando);
    e_.recoger = hacer("recoger", d::recoger, boton_lila, arial(8.25), Control::recoger);
    e_.Command2 = hacer("Command2", d::Command2, boton_lila, arial(8.25), Control::Command2);
    e_.ordenamelas = hacer("ordenamelas", d::ordenamelas, estilo::boton_teja, ms_sans_serif(8.25),
                           Control::ordenamelas);
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
    for (int slot = 1; slot <= cartas_por_mano; ++slot)
        connect(e_.manos[yo][slot], &ImagenMesa::clicked, this, [this, slot] { pulsar_yo(slot); });

    // Tab goes through the hand from left to right, then AGRUPAR, then the bar.
    QList<QWidget*> orden;
    for (int slot = 1; slot <= cartas_por_mano; ++slot) orden << e_.manos[yo][slot];
    orden << e_.ordenamelas << e_.barajar << e_.jugando << e_.recoger << e_.Command2;
    for (qsizetype i = 1; i < orden.size(); ++i) setTabOrder(orden[i - 1], orden[i]);
    // The arrow keys, and where the focus waits.
    foco_.vigilar();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &VentanaMesa::mostrar_ayuda);
    auto* p = new QShortcut(QKeySequence(Qt::Key_P), this);
    p->setAutoRepeat(false); // a held key asks once
    connect(p, &QShortcut::activated, this, &VentanaMesa::pedir_pista);
    auto* a = new QShortcut(QKeySequence(Qt::Key_A), this);
    a->setAutoRepeat(false);
    connect(a, &QShortcut::activated, this, &VentanaMesa::pedir_analisis);
}

// The help opens where the game stays in view (ui/help_place.h); once open,
// it stays where the player leaves it.
void VentanaMesa::mostrar_ayuda() {
    if (!ayuda_) ayuda_ = new DialogoAyuda(this);
    if (!ayuda_->isVisible()) {
        QRect mano, baza;
        for (int slot = 1; slot <= cartas_por_mano; ++slot)
            mano |= d::en_pixeles(d::mano(yo, slot));
        for (int asiento = derecha; asiento <= yo; ++asiento)
            baza |= d::en_pixeles(d::centro[asiento]);
        // The help's frame, as the window manager frames the table.
        const QSize marco = frameGeometry().size() - size();
        const QRect lugar = lugar_ayuda(
            screen()->availableGeometry(), frameGeometry(), mano.translated(mapToGlobal(QPoint())),
            baza.translated(mapToGlobal(QPoint())), DialogoAyuda::tamano() + marco);
        ayuda_->resize(lugar.size() - marco);
        ayuda_->move(lugar.topLeft());
    }
    ayuda_->show();
    ayuda_->raise();
    ayuda_->activateWindow();
}

// The hint frames the card it suggests and shows its tag over it, which a
// screen reader reads out: "Pista: As de oros". It works on a copy of what
// the human knows, with its own fixed seed, so that the same position always
// gets the same hint; nothing on the table, in the game's draws or in the
// focus changes. Asked again, it is read out again.
void VentanaMesa::pedir_pista() {
    if (plataforma_.terminado() || plataforma_.esperando()) return;
    const consejo::Pista pista = consejo::pedir_pista(mesa_);
    if (pista.hueco == 0) return; // not the human's turn
    if (hueco_pista_ != 0) e_.manos[yo][hueco_pista_]->marcar(false);
    hueco_pista_ = pista.hueco;
    codigo_pista_ = pista.codigo;
    ImagenMesa* carta = e_.manos[yo][hueco_pista_];
    carta->marcar(true);

    pista_->hide();
    const QString dicho = QStringLiteral("Pista: ") + q(pista.nombre);
    if (pista_->accessibleName() != dicho) pista_->setAccessibleName(dicho);
    const QRect c = carta->geometry();
    pista_->move(c.center().x() - pista_->width() / 2, c.top() - pista_->height() - 2);
    pista_->show();
    accesible::anunciar(pista_);
}

// The analysis writes the hint's values on the cards (ui/analysis_tags.h):
// the same search as P, so the card it marks best is the one P marks.
void VentanaMesa::pedir_analisis() {
    if (plataforma_.terminado() || plataforma_.esperando()) return;
    const consejo::Pista pista = consejo::pedir_pista(mesa_);
    if (pista.hueco == 0) return; // not the human's turn
    analisis_->mostrar(pista.consejo, e_.manos[yo]);
}

// The mark lasts while its card can still be played: it goes with the card,
// or with the turn.
void VentanaMesa::quitar_pista_gastada() {
    if (hueco_pista_ == 0) return;
    if (puede_carta(mesa_, hueco_pista_) && mesa_.en_hueco[yo][hueco_pista_] == codigo_pista_)
        return;
    e_.manos[yo][hueco_pista_]->marcar(false);
    pista_->hide();
    hueco_pista_ = 0;
}

void VentanaMesa::pulsar_boton(Control c) {
    pulsar(mesa_, c);
    refrescar();
}

void VentanaMesa::pulsar_yo(int indice) {
    // While a pause or a refusal's box waits, a click cannot reach a card,
    // but a screen reader's press can: it does nothing either.
    if (plataforma_.esperando()) return;
    pulsar_carta(mesa_, indice);
    refrescar();
}

void VentanaMesa::refrescar() {
    // Once the program is ending nothing more is shown.
    if (plataforma_.terminado()) return;
    // Where the focus was before the view changed: Qt hands the focus of a
    // card or button that hides or locks on down the Tab order, as if by Tab.
    QWidget* foco = focusWidget();
    quitar_pista_gastada();
    analisis_->quitar_si_gastadas(mesa_);
    vista_.refrescar();
    foco_.tras_un_paso(foco);
}

void VentanaMesa::closeEvent(QCloseEvent* e) {
    if (!plataforma_.terminado()) Command2_Click(mesa_);
    e->accept();
}

} // namespace quimbel
