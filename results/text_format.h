// printf-style formatting of the result texts' templates with %s, %i and %Ni (a width N,
// right-aligned with blanks). Arguments are taken in order; a template with more placeholders
// than arguments keeps the surplus placeholders as they are.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

using TextArgument = std::variant<std::string_view, int>;

void AppendFormatted(std::string& out, std::string_view pattern,
                     std::initializer_list<TextArgument> arguments);
