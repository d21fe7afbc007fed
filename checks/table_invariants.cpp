#include "tools/invariants.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quimbel::sim {

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

bool activa(const Imagen& i) {
    return i.visible && i.enabled;
}

std::string que_cartas(const std::vector<int>& codigos) {
    std::string s;
    for (int c : codigos) s += (s.empty() ? "" : " ") + std::to_string(c);
    return s;
}

} // namespace

Foto fotografiar(const Mesa& m, bool sin_fila4) {
    Foto f{};
    for (int s = 0; s < 5; ++s)
        for (int i = 0; i < 11; ++i) f.manos[s][i] = m.manos[s][i];
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < 11; ++i) f.tapas[s][i] = m.tapas[s][i];
    for (int s = 0; s < 5; ++s) f.centro[s] = m.centro[s];
    f.pinta = m.pinta;
    std::memcpy(f.cartas, m.cartas, sizeof f.cartas);
    std::memcpy(f.palos, m.palos, sizeof f.palos);
    int numeros[8] = {
        m.quien_sale, m.turno_mano, m.baza_numero,     m.gana_baza,
        m.la_salida,  m.la_pinta,   m.ultima_nosotros, static_cast<int>(m.tute_cantado)};
    std::memcpy(f.numeros, numeros, sizeof f.numeros);
    std::memcpy(f.cantado, m.cantado, sizeof f.cantado);
    std::memcpy(f.salidas, m.salidas, sizeof f.salidas);
    for (int k = 1; k <= 4; ++k) {
        if (sin_fila4 && k == 4) continue;
        f.fila[k][0] = m.palo[k];
        f.fila[k][1] = m.valor[k];
        f.fila[k][2] = m.tag[k];
    }
    for (int s = 0; s < 5; ++s) f.marcas[s] = m.mano_marcador[s];
    for (int a = 0; a < num_anuncios; ++a) f.marcas[5 + a] = m.anuncios[a];
    f.marcas[5 + num_anuncios] = m.label2_visible;
    f.marcas[5 + num_anuncios + 1] = m.shape4_visible;
    const Boton* botones[5] = {&m.barajar, &m.jugando, &m.recoger, &m.Command2, &m.ordenamelas};
    for (int b = 0; b < 5; ++b) {
        f.textos[b] = botones[b]->caption;
        f.botones[b][0] = botones[b]->visible;
        f.botones[b][1] = botones[b]->enabled;
    }
    const Etiqueta* etiquetas[7] = {&m.tanteo_nosotros, &m.tanteo_ellos, &m.juegos_nosotros,
                                    &m.juegos_ellos,    &m.Label4,       &m.label7,
                                    &m.Label3};
    for (int e = 0; e < 7; ++e) f.textos[5 + e] = etiquetas[e]->caption;
    return f;
}

std::string diferencias(const Foto& a, const Foto& b) {
    std::string lista;
    bool manos = true;
    for (int s = 0; s < 5; ++s) manos = manos && mismas_imagenes(a.manos[s], b.manos[s]);
    if (!manos) anotar(lista, "hand images");
    bool tapas = true;
    for (int s = 0; s < 4; ++s) tapas = tapas && mismas_imagenes(a.tapas[s], b.tapas[s]);
    if (!tapas) anotar(lista, "card backs");
    if (!mismas_imagenes(a.centro, b.centro)) anotar(lista, "centre images");
    if (!misma_imagen(a.pinta, b.pinta)) anotar(lista, "trump image");
    if (!mismos_bytes(a.cartas, b.cartas)) anotar(lista, "suit arrays");
    if (!mismos_bytes(a.palos, b.palos)) anotar(lista, "suit-number arrays");
    if (!mismos_bytes(a.numeros, b.numeros))
        anotar(lista, "quien_sale/turno_mano/baza_numero/gana_baza/la_salida/la_pinta/"
                      "ultima_nosotros/tute_cantado");
    if (!mismos_bytes(a.cantado, b.cantado)) anotar(lista, "declaration flags");
    if (!mismos_bytes(a.salidas, b.salidas)) anotar(lista, "led-suit counters");
    if (!mismos_bytes(a.fila, b.fila)) anotar(lista, "trick table");
    if (!mismos_bytes(a.marcas, b.marcas)) anotar(lista, "markers and announcement pictures");
    if (!mismos_bytes(a.botones, b.botones)) anotar(lista, "buttons");
    if (!std::equal(std::begin(a.textos), std::end(a.textos), std::begin(b.textos)))
        anotar(lista, "captions");
    return lista;
}

std::string revisar_lugares(const Mesa& m, const std::array<bool, 41>& jugadas) {
    int en_mano[41] = {};
    int en_centro[41] = {};
    for (int s = derecha; s <= yo; ++s) {
        for (int i = 1; i <= 10; ++i) {
            const Imagen& img = m.manos[s][i];
            if (!img.visible) continue;
            if (img.tag < 1 || img.tag > 40)
                return "hand image " + std::string(nombre_asiento(s)) + "(" + std::to_string(i) +
                       ") is visible with Tag " + std::to_string(img.tag);
            ++en_mano[img.tag];
        }
        const Imagen& centro = m.centro[s];
        if (!centro.visible) continue;
        if (centro.dibujo < 1 || centro.dibujo > 40)
            return "centre image " + std::string(nombre_centro(s)) + " is shown with no card face";
        ++en_centro[naipe_codigo(centro.dibujo)];
    }
    for (int c = 1; c <= 40; ++c) {
        if (en_centro[c] && !jugadas[c])
            return "card " + std::to_string(c) + " is shown in the centre but was never put there";
        int recogida = jugadas[c] && !en_centro[c] ? 1 : 0;
        int lugares = en_mano[c] + en_centro[c] + recogida;
        if (lugares != 1)
            return "card " + std::to_string(c) + " is in " + std::to_string(lugares) +
                   " places (hands " + std::to_string(en_mano[c]) + ", centre " +
                   std::to_string(en_centro[c]) + ", collected " + std::to_string(recogida) + ")";
    }
    return {};
}

std::string revisar_manos(const Mesa& m, const std::array<bool, 5>& destapado) {
    for (int s = derecha; s <= yo; ++s) {
        std::string asiento(nombre_asiento(s));
        for (int i = 1; i <= 10; ++i) {
            const Imagen& img = m.manos[s][i];
            std::string hueco = asiento + "(" + std::to_string(i) + ")";
            if (img.visible &&
                (img.dibujo < 1 || img.dibujo > 40 || naipe_codigo(img.dibujo) != img.tag))
                return hueco + " shows a face that is not its Tag " + std::to_string(img.tag);
            if (img.visible && m.palos[s][i] != palo_de_codigo(img.tag))
                return "the suit-number array of " + hueco + " does not match its card";
            if (s == yo) continue;
            const Imagen& dorso = m.tapas[s][i];
            if (dorso.visible && !img.visible) return "a card back covers the empty slot " + hueco;
            if (img.visible && !dorso.visible && !destapado[s])
                return hueco + " shows its face although its seat declared no tute";
            for (int p = oros; p <= bastos; ++p) {
                int esperado = img.visible && palo_de_codigo(img.tag) == p ? img.tag : 0;
                if (m.cartas[s][p][i] != esperado)
                    return "suit array " + std::string(nombre_palo(p)) + "_" + asiento + "(" +
                           std::to_string(i) + ") holds " + std::to_string(m.cartas[s][p][i]) +
                           ", its image " + (img.visible ? std::to_string(img.tag) : "is hidden");
            }
        }
    }
    // The human's arrays are a set of codes once the hand is grouped.
    std::vector<int> en_arrays, en_imagenes;
    for (int p = oros; p <= bastos; ++p)
        for (int i = 1; i <= 10; ++i) {
            int c = m.cartas[yo][p][i];
            if (c == 0) continue;
            if (palo_de_codigo(c) != p)
                return "card " + std::to_string(c) + " is in the human's " +
                       std::string(nombre_palo(p)) + " array";
            en_arrays.push_back(c);
        }
    for (int i = 1; i <= 10; ++i)
        if (m.manos[yo][i].visible) en_imagenes.push_back(m.manos[yo][i].tag);
    std::sort(en_arrays.begin(), en_arrays.end());
    std::sort(en_imagenes.begin(), en_imagenes.end());
    if (en_arrays != en_imagenes)
        return "the human's arrays hold {" + que_cartas(en_arrays) +
               "} but his visible cards are {" + que_cartas(en_imagenes) + "}";
    return {};
}

std::string revisar_botones(const Mesa& m) {
    bool barajar = m.barajar.activo();
    bool jugando = m.jugando.activo();
    bool recoger = m.recoger.activo();
    bool agrupar = m.ordenamelas.visible;
    int cartas_activas = 0;
    int cartas_visibles = 0;
    for (int i = 1; i <= 10; ++i) {
        cartas_visibles += m.manos[yo][i].visible;
        cartas_activas += activa(m.manos[yo][i]);
    }
    bool humano = cartas_activas > 0;
    bool ok = false;
    if (!m.Command2.activo()) {
        ok = false;
    } else if (barajar) { // ready to deal
        ok = !jugando && !recoger && !agrupar && !humano;
    } else if (agrupar) { // dealt
        ok = m.ordenamelas.enabled && !jugando && !recoger && !humano;
    } else if (jugando) { // trick ready
        ok = !recoger && !humano;
    } else if (humano) { // human to play: all his cards answer
        ok = !recoger && cartas_activas == cartas_visibles;
    } else { // trick complete
        ok = recoger;
    }
    if (ok) return {};
    return "the controls are in no state of the turn driver: barajar=" + std::to_string(barajar) +
           " ordenamelas=" + std::to_string(agrupar) + "/" + std::to_string(m.ordenamelas.enabled) +
           " jugando=" + std::to_string(jugando) + " recoger=" + std::to_string(recoger) +
           " SALIR=" + std::to_string(m.Command2.activo()) +
           " cards=" + std::to_string(cartas_activas) + "/" + std::to_string(cartas_visibles);
}

} // namespace quimbel::sim
