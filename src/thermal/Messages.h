#pragma once

#include <string_view>

namespace thermal {

// The messages the kernel shows, by their number in the program's string
// table. The kernel keeps its own copies so that it needs nothing above the
// platform layer; a test holds them equal to the string table.
inline constexpr int thicknessTooLarge = 62513;     // the search passed 2 m
inline constexpr int insulationFillsDuct = 62540;   // inside insulation closes the duct
inline constexpr int interfaceAboveMaximum = 62587; // between the layers above layer 2's maximum

// The text of one of the numbers above; empty for any other.
std::string_view MessageText(int id);

// Shows the message through the prompter as a notice.
void ShowMessage(int id);

} // namespace thermal
