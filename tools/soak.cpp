#include "tools/soak.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "core/random_source.h"
#include "core/texts.h"
#include "tools/invariants.h"
#include "tools/options.h"
#include "tools/script_driver.h"

namespace quimbel::sim {

namespace {

// The soak's own choices, apart from the game's draws.
class Dado {
  public:
    explicit Dado(std::uint64_t semilla) : estado_(semilla) {}
    std::uint64_t siguiente() { return splitmix64(estado_); }
    int hasta(int n) { return static_cast<int>(siguiente() % static_cast<std::uint64_t>(n)); }
    bool una_de(int n) { return hasta(n) == 0; }

  private:
    std::uint64_t estado_;
};

bool es_mensaje_del_juego(std::string_view texto) {
    if (texto == texto::echar_pinta) return true;
    for (int p = oros; p <= bastos; ++p)
        if (texto == texto::echar[p] || texto == texto::subir[p]) return true;
    return false;
}

// What the table announces during one command, and across the deal.
class Vigia final : public Oyente {
  public:
    explicit Vigia(const Mesa& m) : m_(m) {}

    void nuevo_reparto() {
        jugadas.fill(false);
        cantes = 0;
        destapado.fill(false);
        hubo_reparto = true;
    }
    void nueva_orden() {
        mensajes.clear();
        puestas.clear();
        partida_terminada = false;
        equipo_juego = Equipo::ninguno;
        suma_juego = 0;
        equipo_tute = Equipo::ninguno;
        fallo.clear();
    }

    void carta_puesta(int asiento, int codigo) override {
        if (codigo < 1 || codigo > 40) {
            anotar("card code " + std::to_string(codigo) + " put on the table");
            return;
        }
        if (jugadas[codigo])
            anotar("card " + std::to_string(codigo) + " put on the table twice in one deal");
        jugadas[codigo] = true;
        puestas.push_back({asiento, codigo});
    }

    void anuncio_mostrado(Anuncio a) override {
        for (int asiento = derecha; asiento <= yo; ++asiento) {
            if (a == anuncio_tute_caballos(asiento) || a == anuncio_tute_reyes(asiento)) {
                equipo_tute = equipo_de(asiento);
                destapado[asiento] = true;
                return;
            }
            if (a == anuncio_40(asiento)) {
                cantes += 40;
                return;
            }
            for (int palo = oros; palo <= bastos; ++palo)
                if (a == anuncio_20(asiento, palo)) {
                    cantes += 20;
                    return;
                }
        }
        if (a == Anuncio::ganpartida || a == Anuncio::perpartida) {
            partida_terminada = true;
            return;
        }
        // The end of a deal: the totals are final when its banner shows.
        int nosotros = valor_numerico(m_.tanteo_nosotros.caption);
        int ellos = valor_numerico(m_.tanteo_ellos.caption);
        if (nosotros + ellos != 130 + cantes)
            anotar("the deal ended " + std::to_string(nosotros) + " to " + std::to_string(ellos) +
                   ", not 130 plus the " + std::to_string(cantes) + " declared");
        bool ganamos = a == Anuncio::ganjuego;
        if ((ganamos && nosotros < ellos) || (!ganamos && ellos < nosotros))
            anotar(std::string("the banner ") + std::string(nombre_anuncio(a)) + " follows " +
                   std::to_string(nosotros) + " to " + std::to_string(ellos));
        equipo_juego = ganamos ? Equipo::nosotros : Equipo::ellos;
        suma_juego = (ganamos ? nosotros : ellos) > 100 ? 2 : 1;
    }

    void mensaje(std::string_view texto) override { mensajes.emplace_back(texto); }

    void anotar(std::string que) {
        if (fallo.empty()) fallo = std::move(que);
    }

    // Across the deal.
    std::array<bool, 41> jugadas{};
    std::array<bool, 5> destapado{};
    int cantes = 0;
    bool hubo_reparto = false;
    // During one command.
    std::vector<std::string> mensajes;
    std::vector<std::pair<int, int>> puestas;
    bool partida_terminada = false;
    Equipo equipo_juego = Equipo::ninguno;
    int suma_juego = 0;
    Equipo equipo_tute = Equipo::ninguno;
    std::string fallo;

  private:
    const Mesa& m_;
};

struct Cuenta {
    std::uint64_t ordenes = 0, rechazos = 0, ignoradas = 0, repartos = 0, partidas = 0;
};

// One random script, played as it is generated.
class Partida {
  public:
    Partida(std::uint64_t semilla, std::uint64_t repartos, std::string cabecera, Cuenta& cuenta)
        : dado_(semilla), repartos_pedidos_(repartos), vigia_(conductor_.mesa()), cuenta_(cuenta),
          guion_(std::move(cabecera)) {
        for (char c : guion_) lineas_ += c == '\n';
    }

    // Plays the whole script; false at the first violation, described by
    // que_fallo() at linea_fallo().
    bool jugar();

    const std::string& guion() const { return guion_; }
    const std::string& traza() { return traza_.texto(); }
    long linea_fallo() const { return lineas_; }
    const std::string& que_fallo() const { return fallo_; }

  private:
    enum class Intencion { avanzar, en_vano, salir };
    bool orden(const Orden& o, Intencion intencion);
    std::string revisar(const Orden& o, Intencion intencion, Resultado r, const Foto& antes,
                        const Foto& antes_sin_fila4, int juegos_antes[2]);
    Orden en_vano();

    const Mesa& m() const { return conductor_.mesa(); }

    Dado dado_;
    std::uint64_t repartos_pedidos_;
    std::uint64_t repartos_ = 0;
    Traza traza_;
    Conductor conductor_{traza_, &vigia_};
    Vigia vigia_;
    Cuenta& cuenta_;
    std::string guion_;
    long lineas_ = 0;
    std::string fallo_;
};

Orden pulsacion(Control c) {
    Orden o;
    o.tipo = TipoOrden::press;
    o.boton = c;
    return o;
}

Orden clic(int i) {
    Orden o;
    o.tipo = TipoOrden::click;
    o.carta = i;
    return o;
}

bool carta_activa(const Mesa& m, int i) {
    return m.manos[yo][i].visible && m.manos[yo][i].enabled;
}

constexpr Control botones_del_juego[] = {Control::barajar, Control::ordenamelas, Control::jugando,
                                         Control::recoger};

bool Partida::jugar() {
    Orden semilla;
    semilla.tipo = TipoOrden::seed;
    semilla.semilla = dado_.siguiente();
    if (!orden(semilla, Intencion::avanzar)) return false;
    if (!orden(Orden{}, Intencion::avanzar)) return false; // load

    const std::uint64_t tope = 400 * repartos_pedidos_ + 100;
    std::uint64_t pasos = 0;
    while (repartos_ < repartos_pedidos_) {
        if (++pasos > tope) {
            fallo_ = "the script made no progress in " + std::to_string(tope) + " commands";
            return false;
        }
        int tirada = dado_.hasta(100);
        if (tirada < 1) {
            // A new seed in the middle of the game: the next draws follow it.
            Orden o;
            o.tipo = TipoOrden::seed;
            o.semilla = dado_.siguiente();
            if (!orden(o, Intencion::avanzar)) return false;
        } else if (tirada < 16) {
            if (!orden(en_vano(), Intencion::en_vano)) return false;
        } else {
            // The control that can act: one of the human's cards at random
            // (so that many are refused and clicked again), else the one
            // button that the turn driver has enabled.
            std::vector<int> activas;
            for (int i = 1; i <= 10; ++i)
                if (carta_activa(m(), i)) activas.push_back(i);
            std::optional<Orden> o;
            if (!activas.empty()) {
                o = clic(activas[dado_.hasta(static_cast<int>(activas.size()))]);
            } else {
                for (Control c : botones_del_juego)
                    if (boton(m(), c).activo()) o = pulsacion(c);
            }
            if (!o) {
                fallo_ = "no control of the game can act";
                return false;
            }
            if (!orden(*o, Intencion::avanzar)) return false;
        }
    }
    if (dado_.una_de(4)) return orden(pulsacion(Control::Command2), Intencion::salir);
    return true;
}

Orden Partida::en_vano() {
    // A control that cannot act now: a button that is disabled or hidden, a
    // card already played, or a card while the human is not to play.
    std::vector<Orden> candidatas;
    for (Control c : botones_del_juego)
        if (!boton(m(), c).activo()) candidatas.push_back(pulsacion(c));
    for (int i = 1; i <= 10; ++i)
        if (!carta_activa(m(), i)) candidatas.push_back(clic(i));
    return candidatas[dado_.hasta(static_cast<int>(candidatas.size()))];
}

bool Partida::orden(const Orden& o, Intencion intencion) {
    guion_ += texto_orden(o);
    guion_ += '\n';
    ++lineas_;
    ++cuenta_.ordenes;

    Foto antes = fotografiar(m());
    Foto antes_sin_fila4 = fotografiar(m(), true);
    int juegos_antes[2] = {valor_numerico(m().juegos_nosotros.caption),
                           valor_numerico(m().juegos_ellos.caption)};
    vigia_.nueva_orden();
    if (std::string e = conductor_.error_de(o); !e.empty()) {
        fallo_ = "the soak wrote a command the driver refuses: " + e;
        return false;
    }
    Resultado r = conductor_.ejecutar(o);
    if (o.tipo == TipoOrden::press && o.boton == Control::barajar && r == Resultado::hecho)
        vigia_.nuevo_reparto();
    fallo_ = revisar(o, intencion, r, antes, antes_sin_fila4, juegos_antes);
    if (!fallo_.empty()) return false;

    cuenta_.ignoradas += r == Resultado::ignorado;
    cuenta_.rechazos += !vigia_.mensajes.empty();
    cuenta_.partidas += vigia_.partida_terminada;
    if (o.tipo == TipoOrden::press && o.boton == Control::recoger && r == Resultado::hecho &&
        m().barajar.activo()) {
        ++repartos_;
        ++cuenta_.repartos;
    }
    return true;
}

std::string Partida::revisar(const Orden& o, Intencion intencion, Resultado r, const Foto& antes,
                             const Foto& antes_sin_fila4, int juegos_antes[2]) {
    if (!vigia_.fallo.empty()) return vigia_.fallo;
    if (o.tipo == TipoOrden::seed) return {};

    if (intencion == Intencion::salir)
        return r == Resultado::salir ? "" : "SALIR did not end the run";
    if (r == Resultado::salir) return "the run ended without SALIR";
    if (intencion == Intencion::en_vano) {
        if (r != Resultado::ignorado) return "a control that could not act was not ignored";
        if (std::string d = diferencias(antes, fotografiar(m())); !d.empty())
            return "an ignored command changed " + d;
        return {};
    }
    if (r == Resultado::ignorado) return "a control that could act was ignored";

    if (!vigia_.mensajes.empty()) {
        if (o.tipo != TipoOrden::click)
            return "a message box during a press: " + vigia_.mensajes[0];
        if (vigia_.mensajes.size() > 1) return "two message boxes for one click";
        if (!es_mensaje_del_juego(vigia_.mensajes[0]))
            return "a message that is no refusal: \"" + vigia_.mensajes[0] + "\"";
        if (!vigia_.puestas.empty()) return "a refused click put a card on the table";
        if (std::string d = diferencias(antes_sin_fila4, fotografiar(m(), true)); !d.empty())
            return "a refused click changed " + d;
    } else if (o.tipo == TipoOrden::click) {
        int codigo = antes.manos[yo][o.carta].tag;
        if (vigia_.puestas.empty() || vigia_.puestas[0] != std::pair{yo, codigo})
            return "the accepted card " + std::to_string(codigo) +
                   " was not put on the table first";
        if (m().manos[yo][o.carta].visible) return "the accepted card is still in the hand";
        int en_mesa = 0;
        for (int s = derecha; s <= yo; ++s) en_mesa += m().centro[s].visible;
        if (en_mesa != 4)
            return "the trick is complete with " + std::to_string(en_mesa) + " cards shown";
    }

    if (vigia_.hubo_reparto) {
        if (std::string e = revisar_lugares(m(), vigia_.jugadas); !e.empty()) return e;
        if (std::string e = revisar_manos(m(), vigia_.destapado); !e.empty()) return e;
    }
    if (std::string e = revisar_botones(m()); !e.empty()) return e;

    // Games only go up inside a match: by the winner's 1 or 2 at the end of a
    // deal, by 2 for a tute; the match end puts everything back to 0.
    int juegos[2] = {valor_numerico(m().juegos_nosotros.caption),
                     valor_numerico(m().juegos_ellos.caption)};
    if (vigia_.partida_terminada) {
        for (const Etiqueta* e :
             {&m().tanteo_nosotros, &m().tanteo_ellos, &m().juegos_nosotros, &m().juegos_ellos})
            if (e->caption != texto::cero) return "a score label is not \"0\" after the match end";
        if (m().barajar.caption != texto::nueva_partida)
            return "barajar does not read \"NUEVA PARTIDA\" after the match end";
        return {};
    }
    int esperado[2] = {juegos_antes[0], juegos_antes[1]};
    auto sumar = [&esperado](Equipo e, int n) {
        if (e != Equipo::ninguno) esperado[e == Equipo::nosotros ? 0 : 1] += n;
    };
    sumar(vigia_.equipo_juego, vigia_.suma_juego);
    sumar(vigia_.equipo_tute, 2);
    if (juegos[0] != esperado[0] || juegos[1] != esperado[1])
        return "games went from " + std::to_string(juegos_antes[0]) + "/" +
               std::to_string(juegos_antes[1]) + " to " + std::to_string(juegos[0]) + "/" +
               std::to_string(juegos[1]) + ", expected " + std::to_string(esperado[0]) + "/" +
               std::to_string(esperado[1]);
    if (juegos[0] >= 8 || juegos[1] >= 8) return "a team has 8 games and the match goes on";
    return {};
}

// The first line where two traces part.
std::string primera_diferencia(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    long linea = 1;
    while (i < a.size() && i < b.size() && a[i] == b[i]) linea += a[i++] == '\n';
    return "output line " + std::to_string(linea);
}

} // namespace

int soak(std::span<char* const> argumentos) {
    std::uint64_t guiones = 1000;
    std::uint64_t repartos = 12;
    std::uint64_t semilla = 1;
    OpcionNumerica opciones[] = {{"--scripts", &guiones, 1, 100000000},
                                 {"--deals", &repartos, 1, 100000},
                                 {"--seed", &semilla, 0, UINT64_MAX}};
    if (std::string e = leer_opciones(argumentos, opciones); !e.empty()) {
        std::fprintf(stderr, "quimbel-sim soak: %s\n", e.c_str());
        return 2;
    }

    Cuenta cuenta;
    std::uint64_t estado = semilla;
    for (std::uint64_t k = 1; k <= guiones; ++k) {
        std::string cabecera = "# quimbel-sim soak --seed " + std::to_string(semilla) +
                               " --deals " + std::to_string(repartos) + ": script " +
                               std::to_string(k) + "\n";
        Partida partida(splitmix64(estado), repartos, cabecera, cuenta);
        bool bien = partida.jugar();
        std::string que = partida.que_fallo();
        long linea = partida.linea_fallo();
        if (bien) {
            // The script read back through the driver must replay the same trace.
            Traza repeticion;
            FinGuion fin = correr_guion(partida.guion(), repeticion);
            if (fin.estado != 0) {
                bien = false;
                que = "the script does not read back: " + fin.error;
            } else if (repeticion.texto() != partida.traza()) {
                bien = false;
                que = "the replayed script gives another trace, from " +
                      primera_diferencia(repeticion.texto(), partida.traza());
            }
        }
        if (bien) continue;

        std::filesystem::path ruta =
            std::filesystem::temp_directory_path() /
            ("quimbel-soak-" + std::to_string(semilla) + "-" + std::to_string(k) + ".script");
        std::ofstream(ruta) << partida.guion();
        std::printf("script %" PRIu64 " failed at line %ld: %s\n", k, linea, que.c_str());
        std::printf("written to %s (replay: quimbel-sim script < %s)\n", ruta.c_str(),
                    ruta.c_str());
        std::printf("%" PRIu64 " passed, 1 failed\n", k - 1);
        std::fflush(stdout);
        return 1;
    }
    std::printf("deals %" PRIu64 " matches %" PRIu64 " commands %" PRIu64 " refused %" PRIu64
                " ignored %" PRIu64 "\n",
                cuenta.repartos, cuenta.partidas, cuenta.ordenes, cuenta.rechazos,
                cuenta.ignoradas);
    std::printf("%" PRIu64 " passed, 0 failed\n", guiones);
    std::fflush(stdout);
    return 0;
}

} // namespace quimbel::sim
