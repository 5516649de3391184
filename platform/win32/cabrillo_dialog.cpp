#include "platform/win32/cabrillo_dialog.h"

#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace {

// Entries of the combo boxes, in the order they are added (a sorted box shows them sorted).
const char* const kOperatorEntries[] = {"SINGLE-OP", "MULTI-OP", "CHECKLOG", nullptr};
const char* const kPowerEntries[] = {"HIGH", "LOW", "QRP", nullptr};
const char* const kBandEntries[] = {"ALL", "160M", "80M",          "40M",         "20M",
                                    "15M", "10M",  "160M-80M-40M", "20M-15M-10M", nullptr};
const char* const kTimeEntries[] = {"12-HOURS", "24-HOURS", nullptr};
const char* const kTransmitterEntries[] = {"ONE", "TWO", "UNLIMITED", nullptr};
const char* const kOverlayEntries[] = {"NON-MEMBER", "MEMBER", "ACTIVATOR", nullptr};
const char* const kStationEntries[] = {"FIXED", "PORTABLE", "MOBILE", nullptr};
const char* const kModeEntries[] = {"MIXED", "CW", "SSB", "DIGI", nullptr};

struct Control {
    int id;
    std::string CabrilloDialogFields::*field;
    const char* const* entries;  // a combo box's list; nullptr for an edit
};

// The controls in the order of the data exchange.
const Control kControls[] = {
    {IDC_CABRILLO_CALLSIGN, &CabrilloDialogFields::own_call, nullptr},
    {IDC_CABRILLO_CLAIMED, &CabrilloDialogFields::claimed_score, nullptr},
    {IDC_CABRILLO_CLUB, &CabrilloDialogFields::club, nullptr},
    {IDC_CABRILLO_CATEGORY_OPERATOR, &CabrilloDialogFields::category_operator, kOperatorEntries},
    {IDC_CABRILLO_CONTEST, &CabrilloDialogFields::contest, nullptr},
    {IDC_CABRILLO_EMAIL, &CabrilloDialogFields::email, nullptr},
    {IDC_CABRILLO_NAME, &CabrilloDialogFields::name, nullptr},
    {IDC_CABRILLO_OPERATORS, &CabrilloDialogFields::operators, nullptr},
    {IDC_CABRILLO_SOAPBOX, &CabrilloDialogFields::soapbox, nullptr},
    {IDC_CABRILLO_ADDRESS, &CabrilloDialogFields::address, nullptr},
    {IDC_CABRILLO_CATEGORY_POWER, &CabrilloDialogFields::category_power, kPowerEntries},
    {IDC_CABRILLO_CATEGORY_TIME, &CabrilloDialogFields::category_time, kTimeEntries},
    {IDC_CABRILLO_CATEGORY_OVERLAY, &CabrilloDialogFields::category_overlay, kOverlayEntries},
    {IDC_CABRILLO_CATEGORY_BAND, &CabrilloDialogFields::category_band, kBandEntries},
    {IDC_CABRILLO_CATEGORY_TRANSMITTER, &CabrilloDialogFields::category_transmitter,
     kTransmitterEntries},
    {IDC_CABRILLO_ADDRESS_POSTALCODE, &CabrilloDialogFields::address_postal_code, nullptr},
    {IDC_CABRILLO_ADDRESS_COUNTRY, &CabrilloDialogFields::address_country, nullptr},
    {IDC_CABRILLO_ADDRESS_CITY, &CabrilloDialogFields::address_city, nullptr},
    {IDC_CABRILLO_OFFTIME, &CabrilloDialogFields::offtime, nullptr},
    {IDC_CABRILLO_CATEGORY_STATION, &CabrilloDialogFields::category_station, kStationEntries},
    {IDC_CABRILLO_CATEGORY_MODE, &CabrilloDialogFields::category_mode, kModeEntries},
};

std::string window_text(HWND control) {
    int length = GetWindowTextLengthA(control);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    int copied = GetWindowTextA(control, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

// Selects the first entry that begins with the text, ignoring case; when there is none, or
// the text is empty, nothing is selected and the text goes into the edit field.
void show_in_combo(HWND combo, const std::string& text) {
    LRESULT found = CB_ERR;
    if (!text.empty())
        found = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(text.c_str()));
    if (found != CB_ERR) {
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        return;
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(combo, text.c_str());
}

}  // namespace

bool Cabrillo::DoModal(HWND owner) {
    return run(IDD_CABRILLO, owner) == IDOK;
}

void Cabrillo::on_init() {
    for (const Control& control : kControls) {
        HWND item = GetDlgItem(window(), control.id);
        const std::string& text = fields_.*control.field;
        if (!control.entries) {
            SetWindowTextA(item, text.c_str());
            continue;
        }
        for (const char* const* entry = control.entries; *entry; ++entry)
            SendMessageA(item, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*entry));
        show_in_combo(item, text);
    }
}

void Cabrillo::on_ok() {
    for (const Control& control : kControls)
        fields_.*control.field = window_text(GetDlgItem(window(), control.id));
}
