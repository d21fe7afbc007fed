// SPDX-License-Identifier: GPL-3.0-or-later
// quimbel-sim: the table without a screen.
//
//   quimbel-sim script                                    a script on stdin, its trace on stdout
//   quimbel-sim bench [--deals N] [--seed S]              whole deals per second, and the signature
//   quimbel-sim soak [--scripts N] [--deals D] [--seed S] random scripts, checked after every
//   command
//   quimbel-sim duel [--matches N] [--seed S] [--human P] [--versus Q] [--samples K]
//   [--budget B]   whole matches, the human's seat played by a policy (or two, paired)
//   quimbel-sim SUBCOMMAND --help, quimbel-sim --version
#include <cstdio>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>

#include "core/version.h"
#include "tools/bench.h"
#include "tools/duel.h"
#include "tools/script_driver.h"
#include "tools/soak.h"

namespace {

constexpr const char* uso = "usage: quimbel-sim script < SCRIPT\n"
                            "       quimbel-sim bench [--deals N] [--seed S]\n"
                            "       quimbel-sim soak [--scripts N] [--deals D] [--seed S]\n"
                            "       quimbel-sim duel [--matches N] [--seed S] [--human P] "
                            "[--versus Q] [--samples K] [--budget B]\n"
                            "       quimbel-sim SUBCOMMAND --help\n"
                            "       quimbel-sim --version\n";

constexpr const char* ayuda_script =
    "usage: quimbel-sim script < SCRIPT\n"
    "Plays the table's handlers from commands on standard input, one a line, and\n"
    "prints what a person at the table would have seen, each pause taking no time.\n"
    "  seed N      take every random draw from seed N (a script without it: seed 0)\n"
    "  load        the table's load; must come first, once\n"
    "  press B     press a button: barajar, ordenamelas, jugando, recoger, Command2\n"
    "  click I     click the human's card in slot I (1..10)\n"
    "A command that cannot act prints \"ignored\"; a bad line prints\n"
    "\"error line L: ...\" on standard error and exits with status 2.\n";

constexpr const char* ayuda_bench =
    "usage: quimbel-sim bench [--deals N] [--seed S]\n"
    "Plays N whole deals (default 100000) from seed S (default 1), the human\n"
    "playing the first card the rules accept, and prints the deals, tricks and\n"
    "matches played, a signature of every card put down, and deals per second.\n";

constexpr const char* ayuda_soak =
    "usage: quimbel-sim soak [--scripts N] [--deals D] [--seed S]\n"
    "Plays N random scripts (default 1000) of D deals (default 12) from seed S\n"
    "(default 1), checking the table's invariants after every command. The first\n"
    "failing script is written to a file and the run exits with status 1;\n"
    "otherwise the last line is \"N passed, 0 failed\".\n";

constexpr const char* ayuda_duel =
    "usage: quimbel-sim duel [--matches N] [--seed S] [--human P] [--versus Q]\n"
    "                        [--samples K] [--budget B]\n"
    "Plays N whole matches (default 2000) from seed S (default 1), the human's seat\n"
    "played by policy P (default first): first (the first card the rules accept),\n"
    "random (a random one), hint (the window's hint), or hint-SEARCH, the hint with\n"
    "one of its searches: v1 (version 1.0's, K worlds), sampling (K worlds), flat or\n"
    "ismcts (a budget of B playouts). Each match is dealt from its own seeds, so\n"
    "with --versus Q the same matches are also played under policy Q and the\n"
    "paired difference in matches won is printed with its 95% interval. Prints\n"
    "each policy's matches won and lost with a 95% interval, the games per match,\n"
    "the card points per deal of each team and, for the hint, the median and the\n"
    "largest processor time per suggestion.\n";

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

// --help or -h anywhere after a subcommand asks for that subcommand's help.
bool pide_ayuda(std::span<char* const> argumentos) {
    for (std::string_view a : argumentos)
        if (a == "--help" || a == "-h") return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::span<char* const> argumentos(argv + 1, argc > 1 ? static_cast<std::size_t>(argc - 1) : 0);
    if (argumentos.empty()) {
        std::fputs(
            "quimbel-sim: a subcommand is needed: script, bench, soak or duel (see --help)\n",
            stderr);
        return 2;
    }
    struct Orden {
        std::string_view nombre;
        const char* ayuda;
        int (*correr)(std::span<char* const>);
    };
    const Orden ordenes[] = {{"script", ayuda_script, script},
                             {"bench", ayuda_bench, quimbel::sim::bench},
                             {"soak", ayuda_soak, quimbel::sim::soak},
                             {"duel", ayuda_duel, quimbel::sim::duel}};
    std::string_view orden = argumentos[0];
    auto resto = argumentos.subspan(1);
    for (const Orden& o : ordenes) {
        if (orden != o.nombre) continue;
        if (!pide_ayuda(resto)) return o.correr(resto);
        std::fputs(o.ayuda, stdout);
        return 0;
    }
    if (orden == "--help" || orden == "-h" || orden == "help") {
        std::fputs(uso, stdout);
        return 0;
    }
    if (orden == "--version") {
        std::printf("quimbel-sim %s\n", QUIMBEL_VERSION);
        return 0;
    }
    std::fprintf(
        stderr,
        "quimbel-sim: unknown subcommand \"%s\" (script, bench, soak or duel; see --help)\n",
        argumentos[0]);
    return 2;
}
