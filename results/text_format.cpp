#include "results/text_format.h"

#include <charconv>

namespace {

void append_int(std::string& out, int value, std::size_t width) {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    auto length = static_cast<std::size_t>(end - digits);
    if (length < width)
        out.append(width - length, ' ');
    out.append(digits, length);
}

}  // namespace

void AppendFormatted(std::string& out, std::string_view pattern,
                     std::initializer_list<TextArgument> arguments) {
    auto argument = arguments.begin();
    std::size_t i = 0;
    while (i < pattern.size()) {
        std::size_t percent = pattern.find('%', i);
        out.append(pattern.substr(i, percent - i));
        if (percent == std::string_view::npos)
            return;
        std::size_t cursor = percent + 1;
        std::size_t width = 0;
        while (cursor < pattern.size() && pattern[cursor] >= '0' && pattern[cursor] <= '9')
            width = width * 10 + static_cast<std::size_t>(pattern[cursor++] - '0');
        char conversion = cursor < pattern.size() ? pattern[cursor] : '\0';
        bool known = conversion == 's' || conversion == 'i';
        if (!known || argument == arguments.end()) {
            out.push_back('%');
            i = percent + 1;
            continue;
        }
        if (const int* number = std::get_if<int>(&*argument))
            append_int(out, *number, width);
        else
            out.append(std::get<std::string_view>(*argument));
        ++argument;
        i = cursor + 1;
    }
}
