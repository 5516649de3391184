// The exported functions. Each one only turns the host's arguments into values (a null text
// is an empty text, a null date-time pointer a null date-time) and forwards to the engine.
// No exception may reach the host, which is built with another compiler: every export
// catches at its boundary and answers its failure value.
#include <string>

#include "plugin/engine_calls.h"
#include "plugin/host_abi.h"
#include "plugin/plugin_app.h"

namespace {

std::string text(HostText value) {
    return value ? std::string(value) : std::string();
}

OleDateTime date_time(const HostDateTime* value) {
    if (!value)
        return OleDateTime::null();
    switch (value->status) {
        case 0:
            return OleDateTime(value->dt, OleDateTime::Status::valid);
        case 2:
            return OleDateTime::null();
        default:
            return OleDateTime(value->dt, OleDateTime::Status::invalid);
    }
}

QsoArgs qso_args(HostText own_call, HostText call, HostTime qso_time, unsigned frequency_hz,
                 HostText mode, HostText report_sent, HostText report_received,
                 HostText exchange_sent, HostText exchange_received, HostText country,
                 HostText continent, HostText band) {
    QsoArgs args;
    args.own_call = text(own_call);
    args.call = text(call);
    args.qso_time = date_time(qso_time);
    args.frequency_hz = frequency_hz;
    args.mode = text(mode);
    args.report_sent = text(report_sent);
    args.report_received = text(report_received);
    args.exchange_sent = text(exchange_sent);
    args.exchange_received = text(exchange_received);
    args.country = text(country);
    args.continent = text(continent);
    args.band = text(band);
    return args;
}

const char kEmptyText[] = "";

}  // namespace

extern "C" {

int STATS_CDECL AddData0(HostText own_call, HostText call, HostTime qso_time, HostTime, HostTime,
                         HostTime, unsigned, unsigned frequency_hz, HostText mode,
                         HostText report_sent, HostText report_received, HostText exchange_sent,
                         HostText exchange_received, HostText, HostText, HostText, HostText,
                         HostText, HostText, HostText, HostText, HostText, HostText country, int,
                         int, int, double, double, HostText, HostText continent, HostText,
                         HostText band, HostText) {
    try {
        return AddQso(theApp(), qso_args(own_call, call, qso_time, frequency_hz, mode, report_sent,
                                         report_received, exchange_sent, exchange_received, country,
                                         continent, band));
    } catch (...) {
        return 0;
    }
}

int STATS_CDECL RemoveData0(HostText own_call, HostText call, HostTime qso_time, HostTime, HostTime,
                            HostTime, unsigned, unsigned frequency_hz, HostText mode,
                            HostText report_sent, HostText report_received, HostText exchange_sent,
                            HostText exchange_received, HostText, HostText, HostText, HostText,
                            HostText, HostText, HostText, HostText, HostText, HostText country, int,
                            int, int, double, double, HostText, HostText continent, HostText,
                            HostText band, HostText) {
    try {
        return RemoveQso(theApp(), qso_args(own_call, call, qso_time, frequency_hz, mode,
                                            report_sent, report_received, exchange_sent,
                                            exchange_received, country, continent, band));
    } catch (...) {
        return 0;
    }
}

int STATS_CDECL ResetStats0(HostText host_folder, int export_request, HostText own_call,
                            HostTime contest_start, HostTime contest_end, HostText, HostText,
                            HostText, HostText, HostText, HostText, HostText, HostText, HostText,
                            HostText own_country, int, int, int, double, double, HostText,
                            HostText own_continent, HostText) {
    try {
        SessionStartArgs args;
        args.host_folder = text(host_folder);
        args.export_request = export_request;
        args.own_call = text(own_call);
        args.contest_start = date_time(contest_start);
        args.contest_end = date_time(contest_end);
        args.own_country = text(own_country);
        args.own_continent = text(own_continent);
        return ResetStats(theApp(), args);
    } catch (...) {
        return 0;
    }
}

int STATS_CDECL CheckCall0(HostText call, unsigned, unsigned, HostText mode, HostText, HostText,
                           HostText, HostText, HostText, HostText, HostText, HostText, HostText,
                           HostText country, int, int, int, double, double, HostText,
                           HostText continent, HostText, HostText, HostText, HostText band,
                           HostText second_band, char*, char*) {
    try {
        CallCheckArgs args;
        args.call = text(call);
        args.mode = text(mode);
        args.country = text(country);
        args.continent = text(continent);
        if (band)
            args.band = text(band);
        if (second_band)
            args.second_band = text(second_band);
        return CheckCall(theApp(), args);
    } catch (...) {
        return 0;
    }
}

int STATS_CDECL IsValidExchg0(HostText exchange, HostText, HostText, HostText, int, int, int) {
    try {
        return IsValidExchange(theApp(), text(exchange));
    } catch (...) {
        return 0;
    }
}

int STATS_CDECL GetNumberOfSets() {
    return 1;
}

const char* STATS_CDECL GetResult0(int* status) {
    try {
        return GetResult(theApp(), status);
    } catch (...) {
        return kEmptyText;
    }
}

const char* STATS_CDECL GetSetName(int index) {
    return index == 0 ? "TORV" : kEmptyText;
}

void STATS_CDECL SetupSet0() {
    try {
        theApp().ui().message_box("No additional setup for this plugin", std::nullopt,
                                  MessageIcon::none);
    } catch (...) {
    }
}

unsigned long STATS_CDECL setVersion(HostText) {
    try {
        theApp().session().access()->html = true;
    } catch (...) {
    }
    return 0;
}

}  // extern "C"
