// quimbel-sim: the table without a screen.
//
//   quimbel-sim script                                    a script on stdin, its trace on stdout
//   quimbel-sim bench [--deals N] [--seed S]              whole deals per second, and the signature
//   quimbel-sim soak [--scripts N] [--deals D] [--seed S] random scripts, checked after every
//   command
#include <cstdio>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>

#include "tools/bench.h"
#include "tools/script_driver.h"
#include "tools/soak.h"

namespace {

constexpr const char* uso = "usage: quimbel-sim script < SCRIPT\n"
                            "       quimbel-sim bench [--deals N] [--seed S]\n"
                            "       quimbel-sim soak [--scripts N] [--deals D] [--seed S]\n";

void escribir(std::string& texto) {
    std::fwrite(texto.data(), 1, texto.size(), stdout);
    texto.clear();
}

int script(std::span<char* const> argumentos) {
    if (!argumentos.empty()) {
        std::fprintf(stderr,
                     "quimbel-sim script: unexpected argument \"%s\" (the script is read "
                     "from standard input)\n",
                     argumentos[0]);
        return 2;
    }
    std::ios::sync_with_stdio(false);
    // Typed at a terminal, each command's lines show at once; otherwise the
    // trace goes out in large blocks.
    const bool a_mano = isatty(0);
    quimbel::sim::Traza traza;
    auto leer = [](std::string& linea) { return static_cast<bool>(std::getline(std::cin, linea)); };
    auto volcar = [&traza, a_mano] {
        if (a_mano || traza.texto().size() >= (1u << 16)) {
            escribir(traza.texto());
            if (a_mano) std::fflush(stdout);
        }
    };
    quimbel::sim::FinGuion fin = quimbel::sim::correr_guion(leer, traza, volcar);
    escribir(traza.texto());
    std::fflush(stdout);
    if (fin.estado != 0) std::fprintf(stderr, "%s\n", fin.error.c_str());
    return fin.estado;
}

} // namespace

int main(int argc, char** argv) {
    std::span<char* const> argumentos(argv + 1, argc > 1 ? static_cast<std::size_t>(argc - 1) : 0);
    if (argumentos.empty()) {
        std::fputs("quimbel-sim: a subcommand is needed: script, bench or soak (see --help)\n",
                   stderr);
        return 2;
    }
    std::string_view orden = argumentos[0];
    auto resto = argumentos.subspan(1);
    if (orden == "script") return script(resto);
    if (orden == "bench") return quimbel::sim::bench(resto);
    if (orden == "soak") return quimbel::sim::soak(resto);
    if (orden == "--help" || orden == "-h" || orden == "help") {
        std::fputs(uso, stdout);
        return 0;
    }
    std::fprintf(stderr,
                 "quimbel-sim: unknown subcommand \"%s\" (script, bench or soak; see --help)\n",
                 argumentos[0]);
    return 2;
}
