#include "cases/natural_order.h"

namespace pumpvale::cases {
namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

char lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

} // namespace

int naturalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && isDigit(a[ei]))
                ++ei;
            while (ej < b.size() && isDigit(b[ej]))
                ++ej;
            if (ei - i != ej - j)
                return ei - i < ej - j ? -1 : 1;
            if (const int c = a.substr(i, ei - i).compare(b.substr(j, ej - j)); c != 0)
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const auto x = static_cast<unsigned char>(lower(a[i]));
        const auto y = static_cast<unsigned char>(lower(b[j]));
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    const std::size_t restA = a.size() - i;
    const std::size_t restB = b.size() - j;
    return restA == restB ? 0 : restA < restB ? -1 : 1;
}

void appendNaturalKey(std::string& key, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!isDigit(text[i])) {
            key += lower(text[i++]);
            continue;
        }
        while (i < text.size() && text[i] == '0')
            ++i;
        std::size_t end = i;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        // A digit, as any digit compares with what is not one; then the number's length and digits.
        const std::size_t length = end - i;
        key += '0';
        for (const unsigned shift : {16U, 8U, 0U})
            key += static_cast<char>((length >> shift) & 0xFF);
        key.append(text.substr(i, length));
        i = end;
    }
}

} // namespace pumpvale::cases
