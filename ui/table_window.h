// SPDX-License-Identifier: GPL-3.0-or-later
// The table window `mesa`: the whole game is played here. It owns the table's
// state, builds every element at its place, and hands each press of a button
// or click on a card to the game, through the controls that let a handler run
// only when its button or card can act.
#pragma once

#include <QWidget>
#include <memory>

#include "core/random_source.h"
#include "core/table.h"
#include "handlers/controls.h"
#include "ui/analysis_tags.h"
#include "ui/picture_store.h"
#include "ui/qt_platform.h"
#include "ui/table_elements.h"
#include "ui/table_focus.h"
#include "ui/table_view.h"

class QLabel;

namespace quimbel {

struct OpcionesMesa {
    IntervalosPausa pausas;
    // The random source; the clock's when none is given.
    FuenteAzar* azar = nullptr;
    // How the program ends; by default it leaves the event loop.
    std::function<void()> salida;
};

class VentanaMesa : public QWidget {
    Q_OBJECT

  public:
    // Creating the window loads the table (Form_Load, with its short pause),
    // as the old window did before it was first shown.
    explicit VentanaMesa(OpcionesMesa opciones = {}, QWidget* padre = nullptr);
    ~VentanaMesa() override;

    Mesa& mesa() { return mesa_; }
    PlataformaQt& plataforma() { return plataforma_; }
    const ElementosMesa& elementos() const { return e_; }
    bool terminado() const { return plataforma_.terminado(); }

  protected:
    // The window manager's close button ends the game exactly as SALIR does.
    void closeEvent(QCloseEvent* e) override;

  private:
    void construir();
    void construir_fondo();
    void construir_manos_yo_y_creditos();
    void construir_manos_maquina();
    void construir_pinta();
    void construir_centro();
    void construir_tanteo();
    void construir_marcador();
    void construir_anuncios();
    void construir_pista();
    void construir_botones();
    void enlazar();

    void pulsar_boton(Control c);
    void pulsar_yo(int indice);
    void refrescar();
    void mostrar_ayuda();  // F1
    void pedir_pista();    // P
    void pedir_analisis(); // A
    void quitar_pista_gastada();

    std::unique_ptr<FuenteAzar> azar_propio_;
    PlataformaQt plataforma_;
    Mesa mesa_;
    AlmacenDibujos almacen_;
    ElementosMesa e_;
    VistaMesa vista_;
    FocoMesa foco_;
    QWidget* ayuda_ = nullptr;                    // "Reglas y ayuda", made at the first F1
    QLabel* pista_ = nullptr;                     // "PISTA", over the card the hint suggests
    int hueco_pista_ = 0;                         // that card's slot, 0 while none is marked
    int codigo_pista_ = 0;                        // and its code
    std::unique_ptr<EtiquetasAnalisis> analisis_; // A's chances, on the cards
};

} // namespace quimbel
