// The Cabrillo header of the next file, as the operator confirmed it.
#pragma once

#include <string>

struct CabrilloHeader {
    std::string own_call;
    std::string name;
    std::string address;
    std::string address_city;
    std::string address_postal_code;
    std::string address_country;
    std::string claimed_score;
    std::string contest;
    std::string email;
    std::string club;
    std::string soapbox;  // lines separated by CR LF, as typed in the dialog
    std::string offtime;  // the same
    std::string operators;
    std::string category_operator;
    std::string category_power;
    std::string category_transmitter;
    std::string category_time;
    std::string category_band;
    std::string category_overlay;
    std::string category_station;
    std::string category_mode;
};
