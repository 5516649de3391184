// The texts the Cabrillo header dialog shows and returns, in the order of its data exchange.
#pragma once

#include <string>

struct CabrilloDialogFields {
    std::string own_call;              // 1012
    std::string claimed_score;         // 1010
    std::string club;                  // 1008
    std::string category_operator;     // 1014
    std::string contest;               // 1011
    std::string email;                 // 1007
    std::string name;                  // 1207
    std::string operators;             // 1009
    std::string soapbox;               // 1001
    std::string address;               // 1003
    std::string category_power;        // 1016
    std::string category_time;         // 1023
    std::string category_overlay;      // 1030
    std::string category_band;         // 1019
    std::string category_transmitter;  // 1024
    std::string address_postal_code;   // 1026
    std::string address_country;       // 1027
    std::string address_city;          // 1025
    std::string offtime;               // 1000
    std::string category_station;      // 1032
    std::string category_mode;         // 1022
};
