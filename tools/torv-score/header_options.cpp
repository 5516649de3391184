#include "tools/torv-score/header_options.h"

#include <algorithm>

const std::vector<HeaderOption>& header_options() {
    using F = CabrilloDialogFields;
    static const std::vector<HeaderOption> kOptions{
        {"category-operator", &F::category_operator, false},
        {"category-mode", &F::category_mode, false},
        {"category-overlay", &F::category_overlay, false},
        {"category-transmitter", &F::category_transmitter, false},
        {"category-station", &F::category_station, false},
        {"category-power", &F::category_power, false},
        {"category-band", &F::category_band, false},
        {"category-time", &F::category_time, false},
        {"operators", &F::operators, false},
        {"club", &F::club, false},
        {"name", &F::name, false},
        {"address", &F::address, false},
        {"address-city", &F::address_city, false},
        {"address-postalcode", &F::address_postal_code, false},
        {"address-country", &F::address_country, false},
        {"email", &F::email, false},
        {"soapbox", &F::soapbox, true},
        {"offtime", &F::offtime, true},
    };
    return kOptions;
}

const HeaderOption* find_header_option(std::string_view name) {
    const auto& options = header_options();
    auto found = std::find_if(options.begin(), options.end(),
                              [&](const HeaderOption& option) { return name == option.name; });
    return found == options.end() ? nullptr : &*found;
}
