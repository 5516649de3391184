#include "cabrillo/cabrillo_export.h"

#include "cabrillo/cabrillo_writer.h"
#include "cabrillo/replace_all.h"

namespace {

// How a header field meets the dialog: shown in its control when the dialog opens, and taken
// back when the operator confirms it. The claimed score is only shown; the transmitter,
// overlay and station boxes start empty but what the operator picks there counts.
struct DialogLink {
    std::string CabrilloHeader::*header;
    std::string CabrilloDialogFields::*dialog;
    bool shown;
    bool taken_back;
};

const DialogLink kDialogLinks[] = {
    {&CabrilloHeader::own_call, &CabrilloDialogFields::own_call, true, true},
    {&CabrilloHeader::claimed_score, &CabrilloDialogFields::claimed_score, true, false},
    {&CabrilloHeader::club, &CabrilloDialogFields::club, true, true},
    {&CabrilloHeader::category_operator, &CabrilloDialogFields::category_operator, true, true},
    {&CabrilloHeader::contest, &CabrilloDialogFields::contest, true, true},
    {&CabrilloHeader::email, &CabrilloDialogFields::email, true, true},
    {&CabrilloHeader::name, &CabrilloDialogFields::name, true, true},
    {&CabrilloHeader::operators, &CabrilloDialogFields::operators, true, true},
    {&CabrilloHeader::soapbox, &CabrilloDialogFields::soapbox, true, true},
    {&CabrilloHeader::address, &CabrilloDialogFields::address, true, true},
    {&CabrilloHeader::category_power, &CabrilloDialogFields::category_power, true, true},
    {&CabrilloHeader::category_time, &CabrilloDialogFields::category_time, true, true},
    {&CabrilloHeader::category_overlay, &CabrilloDialogFields::category_overlay, false, true},
    {&CabrilloHeader::category_band, &CabrilloDialogFields::category_band, true, true},
    {&CabrilloHeader::category_transmitter, &CabrilloDialogFields::category_transmitter, false,
     true},
    {&CabrilloHeader::address_postal_code, &CabrilloDialogFields::address_postal_code, true, true},
    {&CabrilloHeader::address_country, &CabrilloDialogFields::address_country, true, true},
    {&CabrilloHeader::address_city, &CabrilloDialogFields::address_city, true, true},
    {&CabrilloHeader::offtime, &CabrilloDialogFields::offtime, true, true},
    {&CabrilloHeader::category_station, &CabrilloDialogFields::category_station, false, true},
    {&CabrilloHeader::category_mode, &CabrilloDialogFields::category_mode, true, true},
};

// Settings read at every export session start (the operators come first, with the own call
// as default).
struct StoredField {
    const char* key;
    std::string CabrilloHeader::*field;
    bool multi_line;
};

const StoredField kReadFields[] = {
    {"Name", &CabrilloHeader::name, false},
    {"Address", &CabrilloHeader::address, false},
    {"Address_City", &CabrilloHeader::address_city, false},
    {"Address_PostalCode", &CabrilloHeader::address_postal_code, false},
    {"Address_Country", &CabrilloHeader::address_country, false},
    {"Claimed", &CabrilloHeader::claimed_score, false},
    {"Offtime", &CabrilloHeader::offtime, true},
    {"Email", &CabrilloHeader::email, false},
    {"Club", &CabrilloHeader::club, false},
    {"SoapBox", &CabrilloHeader::soapbox, true},
};

// Written after OK, in this order.
const StoredField kWrittenFields[] = {
    {"Operators", &CabrilloHeader::operators, false},
    {"Name", &CabrilloHeader::name, false},
    {"Address", &CabrilloHeader::address, false},
    {"Address_City", &CabrilloHeader::address_city, false},
    {"Address_PostalCode", &CabrilloHeader::address_postal_code, false},
    {"Address_Country", &CabrilloHeader::address_country, false},
    {"Category", &CabrilloHeader::category_operator, false},
    {"Power", &CabrilloHeader::category_power, false},
    {"Contest", &CabrilloHeader::contest, false},
    {"Email", &CabrilloHeader::email, false},
    {"Club", &CabrilloHeader::club, false},
    {"SoapBox", &CabrilloHeader::soapbox, true},
    {"Offtime", &CabrilloHeader::offtime, true},
};

}  // namespace

std::string EscapeLineBreaks(const std::string& text) {
    return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

std::string UnescapeLineBreaks(const std::string& text) {
    return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

bool CabrilloExport::SetUpHeader(const std::string& own_call, const OleDateTime& contest_start,
                                 const OleDateTime& contest_end) {
    contest_start_ = contest_start;
    contest_end_ = contest_end;
    // Lines of an earlier run that never reached a file do not belong to this one.
    qso_lines_.clear();

    header_.own_call = own_call;
    // The name follows the call the host passed, also when the operator edits CALLSIGN.
    file_base_name_ = CabrilloFileBaseName(own_call);
    header_.operators = settings_.read("Operators", own_call);
    for (const StoredField& stored : kReadFields) {
        std::string value = settings_.read(stored.key, "");
        header_.*stored.field = stored.multi_line ? UnescapeLineBreaks(value) : value;
    }
    header_.contest = "TORV";
    header_.category_operator = "SINGLE-OP";
    header_.category_mode = "MIXED";
    header_.category_band = "ALL";

    CabrilloDialogFields fields;
    for (const DialogLink& link : kDialogLinks)
        if (link.shown)
            fields.*link.dialog = header_.*link.header;
    if (!ui_.edit_cabrillo_header(fields))
        return false;
    for (const DialogLink& link : kDialogLinks)
        if (link.taken_back)
            header_.*link.header = fields.*link.dialog;

    for (const StoredField& stored : kWrittenFields) {
        const std::string& value = header_.*stored.field;
        settings_.write(stored.key, stored.multi_line ? EscapeLineBreaks(value) : value);
    }
    return true;
}

void CabrilloExport::AddQsoLine(const std::string& worked_call, std::uint32_t frequency_khz,
                                const std::string& mode_abbreviation, const OleDateTime& qso_time,
                                const std::string& sent_report, const std::string& sent_exchange,
                                const std::string& received_report,
                                const std::string& received_exchange) {
    qso_lines_.push_back(
        FormatQsoLine({header_.own_call, worked_call, frequency_khz, mode_abbreviation, qso_time,
                       sent_report, sent_exchange, received_report, received_exchange}));
}

std::string CabrilloExport::WriteCabrilloFile(const std::string& host_version) {
    const std::string name = file_base_name_.empty() ? "QLVX.cbr" : file_base_name_ + ".cbr";
    FileResult result = files_.replace(name, CabrilloFileText(header_, qso_lines_, host_version));
    // The next file holds only the lines added after this one, written or not.
    qso_lines_.clear();
    if (!result.ok)
        return "File not written: " + name + " (" + result.error + ")";
    return "File produced: " + name;
}
