// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does before any window: it names itself to Qt (the name
// message boxes show, its version, the desktop entry its windows belong to)
// and reads its command line. Neither needs a display, so `quimbel --help`
// works on a text console.
#pragma once

#include <optional>

namespace quimbel {

// Names the program and reads argv. --help and --version print on standard
// output and give 0; an option or argument the game does not know prints one
// line on standard error and gives 2. Qt's own options (-platform, -style and
// the like) are left for the application. Nothing returned: play.
std::optional<int> presentarse(int argc, char** argv);

} // namespace quimbel
