#include "core/messages.h"

namespace pumpvale {
namespace {

char lowerAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// "ERROR: ..." under the title "Error" too: the box's title and the text's own differ in case.
bool beginsWithTitle(std::string_view text, std::string_view title) {
    if (text.size() <= title.size() || text[title.size()] != ':')
        return false;
    for (std::size_t i = 0; i < title.size(); ++i)
        if (lowerAscii(text[i]) != lowerAscii(title[i]))
            return false;
    return true;
}

} // namespace

std::string messageLine(const Message& message) {
    if (message.title.empty() || beginsWithTitle(message.text, message.title))
        return std::string(message.text);
    std::string line(message.title);
    line += ": ";
    line += message.text;
    return line;
}

} // namespace pumpvale
