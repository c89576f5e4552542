#include "pause.hpp"

#include <cstdlib>

void pause_console()
{
    // The command interpreter prints its own prompt and waits for a key; whether it
    // could be started changes nothing for the program, so the result is ignored.
    static_cast<void>(std::system("PAUSE")); // NOLINT(cert-env33-c): the interpreter is wanted here
}
