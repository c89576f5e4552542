#include "menu.hpp"
#include "number_input.hpp"
#include "pause.hpp"
#include "power.hpp"

#include <array>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <string_view>

namespace {

void put(std::ostream& out, std::string_view text)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Writes the prompt and reads the answer; false once the input has failed.
bool ask(std::istream& in, std::ostream& out, std::string_view prompt, std::int32_t& value)
{
    put(out, prompt);
    return static_cast<bool>(read_number(in, value));
}

char* append(char* pos, std::string_view text)
{
    return pos + text.copy(pos, text.size());
}

// The three result lines go out as one text, each number right after its label.
void put_results(std::ostream& out, std::int32_t gamepower, std::int32_t basepower,
                 std::int32_t army)
{
    // Three labels of 13 characters, three numbers of 11 at most and two line breaks: 74.
    std::array<char, 80> text{};
    char* const end = text.data() + text.size();
    char* pos = append(text.data(), "\nMage Power =");
    pos = std::to_chars(pos, end, gamepower).ptr;
    pos = append(pos, "\nBase Power =");
    pos = std::to_chars(pos, end, basepower).ptr;
    pos = append(pos, "\nArmy Power =");
    pos = std::to_chars(pos, end, army).ptr;
    pos = append(pos, "\n\n");
    put(out, {text.data(), static_cast<std::size_t>(pos - text.data())});
}

} // namespace

// Ends on choice 2, or as if 2 had been chosen once a read fails (an entry that holds
// no number, or the end of input): a failed stream can give no more answers.
void menu(std::istream& in, std::ostream& out)
{
    std::int32_t con = 1;
    while (con == 1) {
        std::int32_t choice = 0;
        // The menu and its prompt go out as one text.
        if (!ask(in, out, "Menu\n1)Calculate Power\n2)Quit\nEnter Number Choice:", choice)) {
            return;
        }
        if (choice == 1) {
            std::int32_t gamepower = 0;
            std::int32_t forts = 0;
            std::int32_t ally = 0;
            std::int32_t barrier = 0;
            std::int32_t acres = 0;
            std::int32_t spell = 0;
            if (!(ask(in, out, "\n\nEnter Mage NetPower:", gamepower) &&
                  ask(in, out, "\nEnter Forts:", forts) &&
                  ask(in, out, "\nEnter number of Allies:", ally) &&
                  ask(in, out, "\nEnter Barriers:", barrier) &&
                  ask(in, out, "\nEnter Acres:", acres) &&
                  ask(in, out, "Enter Spell Level:", spell))) {
                return;
            }
            const auto [basepower, army] = breakdown(gamepower, forts, ally, barrier, acres, spell);
            put_results(out, gamepower, basepower, army);
        } else if (choice == 2) {
            con = 0;
        }
    }
}

void menu()
{
    menu(std::cin, std::cout);
}

// Harnesses that drive menu over streams of their own build this file without main.
#ifndef MAGE_POWER_NO_MAIN
int main()
{
#ifdef SIGPIPE
    // A reader that goes away is a failed write like any other, not the end of the process.
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif
    // The console streams buffer on their own instead of going through C stdio;
    // standard input stays tied to standard output, so each read still flushes it.
    std::ios_base::sync_with_stdio(false);
    menu();
    // Each read flushed what came before it; this covers any way the dialogue may end.
    std::cout.flush();
    pause_console();
    return 0;
}
#endif
