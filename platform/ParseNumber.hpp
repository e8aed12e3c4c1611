#pragma once

#include <cstddef>
#include <limits>
#include <string_view>

// Reads a number the way atoi and atol do (leading blanks, an optional sign, digits up to the
// first other character, 0 without digits), but a value beyond the type's range is clamped to it
// instead of being undefined. The level files' ints and the highscores' longs.
template <class Number> Number parseNumber(std::string_view text) {
    constexpr Number lowest = std::numeric_limits<Number>::min();
    constexpr Number highest = std::numeric_limits<Number>::max();
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated towards the sign so that the lowest value itself is reachable.
    Number value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (negative) {
            if (value < (lowest + digit) / 10)
                return lowest;
            value = value * 10 - digit;
        } else {
            if (value > (highest - digit) / 10)
                return highest;
            value = value * 10 + digit;
        }
    }
    return value;
}
