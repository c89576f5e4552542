#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// One whole run of the dialogue: what goes in on standard input and every byte that
// must come out on standard output, with "\n" for each line break.
struct transcript {
    std::string name;
    std::string input;
    std::string output;
};

// Names the case in test listings instead of dumping its bytes.
inline void PrintTo(const transcript& run, std::ostream* out)
{
    *out << run.name;
}

// Names each instance of a test over the transcripts after its case.
struct transcript_name {
    template <typename ParamInfo>
    std::string operator()(const ParamInfo& info) const
    {
        return info.param.name;
    }
};

// The dialogue's texts, written out here on their own so that a changed text in the
// program shows up as a difference.
namespace dialogue {

inline const std::string menu_text = "Menu\n1)Calculate Power\n2)Quit\nEnter Number Choice:";

// The six prompts of a calculation, up to the one whose read is the `count`th.
inline std::string prompts(std::size_t count = 6)
{
    const std::vector<std::string> all{"\n\nEnter Mage NetPower:", "\nEnter Forts:",
                                       "\nEnter number of Allies:", "\nEnter Barriers:",
                                       "\nEnter Acres:", "Enter Spell Level:"};
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += all.at(i);
    }
    return text;
}

inline std::string results(const std::string& gamepower, const std::string& basepower,
                           const std::string& army)
{
    return "\nMage Power =" + gamepower + "\nBase Power =" + basepower + "\nArmy Power =" +
           army + "\n\n";
}

// The text with each line break as CR LF, as Windows writes it and a terminal shows it.
inline std::string with_crlf(std::string_view text)
{
    std::string converted;
    for (char c : text) {
        if (c == '\n') {
            converted += '\r';
        }
        converted += c;
    }
    return converted;
}

inline std::string calculation(const std::string& gamepower, const std::string& basepower,
                               const std::string& army)
{
    return menu_text + prompts() + results(gamepower, basepower, army);
}

} // namespace dialogue

// Cases that every build of the program must answer byte for byte.
inline std::vector<transcript> dialogue_transcripts()
{
    using namespace dialogue;
    return {
        {"quit_at_once", "2\n", menu_text},
        {"other_choices_show_the_menu_again", "0\n3\n-1\n2\n",
         menu_text + menu_text + menu_text + menu_text},
        {"one_calculation", "1\n100000\n1\n1\n1\n1\n1\n2\n",
         calculation("100000", "35320", "64680") + menu_text},
        {"two_calculations_share_nothing", "1\n5000\n0\n0\n0\n1\n0\n1\n7\n0\n0\n0\n0\n0\n2\n",
         calculation("5000", "1000", "4000") + calculation("7", "0", "7") + menu_text},
        {"typed_ahead_on_one_line", "1 900000 2 1 4 3 8 2\n",
         calculation("900000", "75560", "824440") + menu_text},
        {"crlf_line_ends", "1\r\n-5\r\n0\r\n1\r\n0\r\n0\r\n0\r\n2\r\n",
         calculation("-5", "10000", "-10005") + menu_text},
        {"extremes_and_wrapping",
         "4294967297\n-2147483648\n0\n0\n0\n0\n0\n1\n0\n200000\n0\n0\n0\n0\n2",
         calculation("-2147483648", "0", "-2147483648") +
             calculation("0", "-422967296", "422967296") + menu_text},
        {"sign_and_number_on_separate_lines", "1\n-\n7\n+ 0\n\n\n0\n0\n0\n0\n2\n",
         calculation("-7", "0", "-7") + menu_text},
        {"entry_without_a_number_at_the_menu", "x\n1\n2\n", menu_text},
        {"entry_without_a_number_in_a_calculation", "1\n5000\n3.7\n2\n2\n",
         menu_text + prompts(3)},
        {"end_of_input_at_once", "", menu_text},
        {"end_of_input_at_the_menu", "0\n", menu_text + menu_text},
        {"end_of_input_in_a_calculation", "1\n5000\n1\n", menu_text + prompts(3)},
        {"end_of_input_right_after_the_last_digits", "1 0 0 0 0 0 1",
         calculation("0", "1000", "-1000") + menu_text},
    };
}
