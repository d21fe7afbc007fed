// A headless table whose platform also keeps the notices the game sends: the
// announcement pictures shown and the tricks evaluated, in order.
#pragma once

#include <string>
#include <vector>

#include "core/headless_platform.h"
#include "core/random_source.h"
#include "core/table.h"

namespace quimbel::prueba {

struct BazaEvaluada {
    int asiento;
    Equipo equipo;
};

class PlataformaQueAnota : public PlataformaSinPantalla {
  public:
    void anuncio_mostrado(Anuncio a) override { anuncios.push_back(a); }
    void baza_evaluada(int asiento, Equipo equipo) override { bazas.push_back({asiento, equipo}); }

    std::vector<Anuncio> anuncios;
    std::vector<BazaEvaluada> bazas;
};

// The names of the pictures shown ("de40", "ab20copas" ...), for readable failures.
inline std::vector<std::string> nombres(const std::vector<Anuncio>& anuncios) {
    std::vector<std::string> v;
    for (Anuncio a : anuncios) v.emplace_back(nombre_anuncio(a));
    return v;
}

struct MesaQueAnota {
    explicit MesaQueAnota(std::uint64_t semilla = 0) : azar(semilla), m(plataforma, azar) {}
    PlataformaQueAnota plataforma;
    AzarGuionado azar;
    Mesa m;
};

} // namespace quimbel::prueba
