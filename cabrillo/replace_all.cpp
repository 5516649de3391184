#include "cabrillo/replace_all.h"

std::string ReplaceAll(std::string_view text, std::string_view old_text,
                       std::string_view new_text) {
    if (old_text.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found = text.find(old_text); found != std::string_view::npos;
         found = text.find(old_text, start)) {
        result.append(text, start, found - start);
        result.append(new_text);
        start = found + old_text.size();
    }
    result.append(text, start);
    return result;
}
