// SPDX-License-Identifier: GPL-3.0-or-later
// Input quoted back in an error line, made safe to print: a word read from a
// script or the command line may hold any byte, and may be megabytes long.
#pragma once

#include <string>
#include <string_view>

namespace quimbel::sim {

// The text as it can be shown: printable ASCII as it is, a backslash as \\, a
// double quote as \", and every other byte (control bytes, NUL, escape, bytes
// above 127) as \xHH. Past 32 characters shown it is cut, and marked so:
// `abc...` followed by ` (cut from N bytes)`.
std::string a_la_vista(std::string_view texto);

// a_la_vista within double quotes (the cut mark after the closing quote).
std::string entre_comillas(std::string_view texto);

} // namespace quimbel::sim
