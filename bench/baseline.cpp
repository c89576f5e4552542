// The calculator's dialogue written the straightforward way, as the yardstick for the
// whole-process benchmark: std::cin >> int (tied to std::cout), std::cout << for numbers,
// the C++ streams in step with C stdio, as they start out. It ends at the first failed
// read and skips the pause, like the program does with input from a pipe.

#include "power.hpp"

#include <cstdint>
#include <iostream>

int main()
{
    std::int32_t con = 1;
    while (con == 1) {
        std::int32_t choice = 0;
        std::cout << "Menu\n" << "1)Calculate Power\n2)Quit\n" << "Enter Number Choice:";
        if (!(std::cin >> choice)) {
            break;
        }
        if (choice == 1) {
            std::int32_t gamepower = 0;
            std::int32_t forts = 0;
            std::int32_t ally = 0;
            std::int32_t barrier = 0;
            std::int32_t acres = 0;
            std::int32_t spell = 0;
            std::cout << "\n\nEnter Mage NetPower:";
            std::cin >> gamepower;
            std::cout << "\nEnter Forts:";
            std::cin >> forts;
            std::cout << "\nEnter number of Allies:";
            std::cin >> ally;
            std::cout << "\nEnter Barriers:";
            std::cin >> barrier;
            std::cout << "\nEnter Acres:";
            std::cin >> acres;
            std::cout << "Enter Spell Level:";
            if (!(std::cin >> spell)) {
                break;
            }
            const auto [basepower, army] = breakdown(gamepower, forts, ally, barrier, acres, spell);
            std::cout << "\nMage Power =" << gamepower << "\n";
            std::cout << "Base Power =" << basepower << "\n";
            std::cout << "Army Power =" << army << "\n\n";
        } else if (choice == 2) {
            con = 0;
        }
    }
    return 0;
}
