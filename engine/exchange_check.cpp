#include <algorithm>

#include "engine/contest_rules.h"
#include "plugin/engine_calls.h"

namespace {

bool all_digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

// A serial number of three digits other than the report "599", or an ICAO code of the list;
// judged only while the operator window works in a digital mode.
int IsValidExchange(CTestApp& app, std::string_view exchange) {
    auto session = app.session().access();
    if (!session->digital_mode)
        return 0;
    if (exchange.size() == 4) {
        if (session->icao_list_loaded) {
            const auto& list = session->icao_list;
            return std::find(list.begin(), list.end(), exchange) != list.end() ? 1 : 0;
        }
        // Without a list any code that begins with a letter is taken.
        if (begins_with_letter(exchange))
            return 1;
    } else if (exchange.size() != 3) {
        return 0;
    }
    if (!all_digits(exchange))
        return 0;
    return exchange == "599" ? 0 : 1;
}
