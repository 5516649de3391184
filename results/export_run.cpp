#include "results/export_run.h"

std::string CabrilloModeAbbreviation(const CInfo& qso) {
    if (qso.mode_class == "CW")
        return "CW";
    if (qso.mode_class == "SSB")
        return "PH";
    if (qso.mode == "RTTY")
        return "RY";
    if (qso.mode == "BPSK63")
        return "PM";
    return "??";
}

void ExportLog(CTestApp& app, const ContestLog& log, const std::string& host_version, int* status) {
    CabrilloLink& cabrillo = app.cabrillo();
    // Every record, dupes and records without a call included: the log as the host has it.
    for (const CInfo& qso : log)
        cabrillo.AddQsoLine(qso.worked_call, qso.frequency_khz, CabrilloModeAbbreviation(qso),
                            qso.qso_time, qso.sent_report, qso.sent_exchange, qso.received_report,
                            qso.received_exchange);
    std::string report = cabrillo.WriteCabrilloFile(host_version);
    app.ui().message_box(report, "Output", MessageIcon::information);
    if (status)
        *status = -1;
}
