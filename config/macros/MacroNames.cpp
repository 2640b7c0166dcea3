#include "config/macros/MacroNames.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

namespace solune {

namespace {

bool isSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Decimal digits without leading zeros ("0" for zero) plus one.
std::u16string incremented(std::u16string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != u'9') {
            ++*it;
            return digits;
        }
        *it = u'0';
    }
    return u'1' + digits;
}

// Decimal digits (no leading zeros, not "0") minus one.
std::u16string decremented(std::u16string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != u'0') {
            --*it;
            break;
        }
        *it = u'9';
    }
    const auto first = digits.find_first_not_of(u'0');
    return first == std::u16string::npos ? u"0" : digits.substr(first);
}

// The text of n + 1, where n is `text` read as a decimal number of any size.
std::u16string nextNumber(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::size_t end = i;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    std::u16string digits(text.substr(i, end - i));
    const auto first = digits.find_first_not_of(u'0');
    digits = first == std::u16string::npos ? u"0" : digits.substr(first);
    if (!negative || digits == u"0") {
        return incremented(digits);
    }
    std::u16string magnitude = decremented(digits);  // -n + 1 = -(n - 1)
    return magnitude == u"0" ? magnitude : u"-" + magnitude;
}

std::u16string replacement(const std::u16string& name) {
    const auto open = name.find(u'(');
    if (open == std::u16string::npos) {
        return name + u"(1)";
    }
    // The text between the first "(" and the last character (normally ")").
    const std::size_t last = name.size() - 1;
    const std::u16string_view inside =
        last > open ? std::u16string_view(name).substr(open + 1, last - open - 1)
                    : std::u16string_view();
    return name.substr(0, open) + u"(" + nextNumber(inside) + u")";
}

}  // namespace

std::int32_t NewMacroId(std::span<const std::int32_t> ids) {
    std::uint32_t largest = kFirstMacroId - 1;
    for (std::int32_t id : ids) {
        largest = std::max(largest, static_cast<std::uint32_t>(id));
    }
    if (largest != std::numeric_limits<std::uint32_t>::max()) {
        return static_cast<std::int32_t>(largest + 1);
    }
    // One more would wrap to 0: take the first free id instead.
    std::int32_t candidate = kFirstMacroId;
    while (std::find(ids.begin(), ids.end(), candidate) != ids.end()) {
        ++candidate;
    }
    return candidate;
}

std::u16string UniqueMacroName(std::u16string name, std::span<const std::u16string> others) {
    while (std::find(others.begin(), others.end(), name) != others.end()) {
        name = replacement(name);
    }
    return name;
}

}  // namespace solune
