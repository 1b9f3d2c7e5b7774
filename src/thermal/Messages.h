#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

namespace thermal {

// The messages the kernel reports, by their number in the program's string
// table. The kernel never shows them: a routine that fails returns one of the
// failures as its result's code, a routine that goes on regardless returns
// the notices it raised, and the module that called it shows them once for
// the whole calculation. A test holds the texts equal to the string table.
inline constexpr int thicknessTooLarge = 62513;     // failure: the search passed 2 m
inline constexpr int insulationFillsDuct = 62540;   // failure: inside insulation closes the duct
inline constexpr int interfaceAboveMaximum = 62587; // notice: between the layers above layer 2's maximum

// Every notice, in the order a caller shows them.
inline constexpr int noticeIds[] = {interfaceAboveMaximum};

// The notices one calculation, or a run of them gathered with |=, raised.
// One bit per notice: the layered routines run in tight loops and return it
// with every result.
class Notices {
public:
    constexpr void Raise(int id) { bits_ |= Bit(id); }
    constexpr bool Has(int id) const { return (bits_ & Bit(id)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr Notices& operator|=(Notices other)
    {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr bool operator==(Notices, Notices) = default;

private:
    // 0 for a number that is no notice: raising it changes nothing.
    static constexpr std::uint8_t Bit(int id)
    {
        for (unsigned i = 0; i < std::size(noticeIds); ++i) {
            if (noticeIds[i] == id)
                return std::uint8_t(1u << i);
        }
        return 0;
    }
    static_assert(std::size(noticeIds) <= 8);

    std::uint8_t bits_ = 0;
};

// The text of one of the numbers above; empty for any other.
std::string_view MessageText(int id);

} // namespace thermal
