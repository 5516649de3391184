// Text replacement as the header escapes and the soapbox's export form need it.
#pragma once

#include <string>
#include <string_view>

// A copy of text with every occurrence of old_text replaced by new_text, found from left to
// right without overlap: after a replacement the search goes on behind the replaced part of
// the input. An empty old_text matches nothing.
std::string ReplaceAll(std::string_view text, std::string_view old_text, std::string_view new_text);
