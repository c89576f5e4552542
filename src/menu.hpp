#pragma once

#include <istream>
#include <ostream>

// The calculator's whole dialogue, from the first menu until the user quits or the
// input fails. `in` is read by the number reader, so it should be tied to `out`.
void menu(std::istream& in, std::ostream& out);

// The dialogue on the console: standard input and standard output.
void menu();
