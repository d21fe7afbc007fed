// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/advisor.h"

#include "advisor/searches.h"

namespace quimbel::consejo {

Consejo aconsejar(const Conocimiento& k, const Ajustes& ajustes) {
    switch (ajustes.busqueda) {
    case Busqueda::v1:
    case Busqueda::muestreo: return buscar_por_muestreo(k, ajustes);
    case Busqueda::plana: return buscar_plano(k, ajustes);
    case Busqueda::ismcts: break;
    }
    return buscar_en_arbol(k, ajustes);
}

Pista pedir_pista(const Mesa& m, const Ajustes& ajustes) {
    Pista pista;
    if (!turno_del_humano(m)) return pista;
    pista.consejo = aconsejar(conocimiento_de(m), ajustes);
    pista.hueco = pista.consejo.hueco;
    pista.codigo = pista.consejo.codigo;
    if (pista.codigo != 0) pista.nombre = nombre_carta(pista.codigo);
    return pista;
}

} // namespace quimbel::consejo
