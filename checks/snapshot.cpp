// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/snapshot.h"

#include <algorithm>
#include <cstring>

#include "core/picture.h"

namespace quimbel::revision {

namespace {

bool misma_imagen(const Imagen& a, const Imagen& b) {
    return a.dibujo == b.dibujo && a.tag == b.tag && a.visible == b.visible &&
           a.enabled == b.enabled;
}

template <std::size_t N> bool mismas_imagenes(const Imagen (&a)[N], const Imagen (&b)[N]) {
    return std::equal(std::begin(a), std::end(a), std::begin(b), misma_imagen);
}

template <typename T> bool mismos_bytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

void anotar(std::string& lista, const char* parte) {
    if (!lista.empty()) lista += ", ";
    lista += parte;
}

} // namespace

Foto fotografiar(const Mesa& m, bool sin_fila4) {
    Foto f{};
    const Cuadro c = dibujar(m);
    std::memcpy(f.manos, c.manos, sizeof f.manos);
    std::memcpy(f.tapas, c.tapas, sizeof f.tapas);
    std::memcpy(f.centro, c.centro, sizeof f.centro);
    f.pinta = c.pinta;
    std::memcpy(f.en_hueco, m.en_hueco, sizeof f.en_hueco);
    f.en_mano = m.en_mano;
    const int numeros[] = {m.quien_sale,  m.turno_mano,      m.baza_numero,       m.la_salida,
                           m.la_pinta,    m.ultima_nosotros, int(m.tute_cantado), c.label7,
                           c.Label3,      m.nosotros.tanteo, m.ellos.tanteo,      m.nosotros.juegos,
                           m.ellos.juegos};
    static_assert(sizeof numeros == sizeof f.numeros);
    std::memcpy(f.numeros, numeros, sizeof f.numeros);
    std::memcpy(f.cantado, m.cantado, sizeof f.cantado);
    std::memcpy(f.salidas, m.salidas, sizeof f.salidas);
    for (int k = derecha; k <= (sin_fila4 ? izquierda : yo); ++k) {
        f.fila[k][0] = c.palo[k];
        f.fila[k][1] = c.valor[k];
        f.fila[k][2] = c.tag[k];
    }
    bool* marca = std::copy(std::begin(c.mano_marcador), std::end(c.mano_marcador), f.marcas);
    marca = std::copy(std::begin(c.anuncios), std::end(c.anuncios), marca);
    *marca++ = c.label2_visible;
    *marca = c.shape4_visible;
    const Boton* botones[] = {&c.barajar, &c.jugando, &c.recoger, &c.Command2, &c.ordenamelas};
    std::string* texto = f.textos;
    for (int b = 0; b < num_controles; ++b) {
        *texto++ = botones[b]->caption.texto();
        f.botones[b][0] = botones[b]->visible;
        f.botones[b][1] = botones[b]->enabled;
    }
    for (const Etiqueta* e :
         {&c.tanteo_nosotros, &c.tanteo_ellos, &c.juegos_nosotros, &c.juegos_ellos})
        *texto++ = e->caption.texto();
    *texto = c.Label4.caption.texto();
    return f;
}

std::string diferencias(const Foto& a, const Foto& b) {
    std::string lista;
    bool manos = true;
    for (int s = 0; s <= yo; ++s) manos = manos && mismas_imagenes(a.manos[s], b.manos[s]);
    if (!manos) anotar(lista, "hand images");
    bool tapas = true;
    for (int s = 0; s <= izquierda; ++s) tapas = tapas && mismas_imagenes(a.tapas[s], b.tapas[s]);
    if (!tapas) anotar(lista, "card backs");
    if (!mismas_imagenes(a.centro, b.centro)) anotar(lista, "centre images");
    if (!misma_imagen(a.pinta, b.pinta)) anotar(lista, "trump image");
    if (!mismos_bytes(a.en_hueco, b.en_hueco) || !(a.en_mano == b.en_mano)) anotar(lista, "hands");
    if (!mismos_bytes(a.numeros, b.numeros))
        anotar(lista, "quien_sale/turno_mano/baza_numero/la_salida/la_pinta/"
                      "ultima_nosotros/tute_cantado/label7/Label3/score numbers");
    if (!mismos_bytes(a.cantado, b.cantado)) anotar(lista, "declaration flags");
    if (!mismos_bytes(a.salidas, b.salidas)) anotar(lista, "led-suit counters");
    if (!mismos_bytes(a.fila, b.fila)) anotar(lista, "trick table");
    if (!mismos_bytes(a.marcas, b.marcas)) anotar(lista, "markers and announcement pictures");
    if (!mismos_bytes(a.botones, b.botones)) anotar(lista, "buttons");
    if (!std::equal(std::begin(a.textos), std::end(a.textos), std::begin(b.textos)))
        anotar(lista, "captions");
    return lista;
}

} // namespace quimbel::revision
