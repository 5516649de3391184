// The header dialog under Wine: the real template and dialog code, opened as the plug-in opens
// it and driven from another thread as an operator would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_user_interface.h"
#include "resources/resource_ids.h"
#include "tests/cabrillo/dialog_driver.h"

namespace {

// What a control of the template must look like.
struct ControlLayout {
    const char* window_class;
    int id;
    const char* text;
    int x, y, width, height;  // dialog units
    DWORD style_set;          // bits that must be set
    DWORD style_clear;        // bits that must be clear
};

constexpr DWORD kEditHScroll = ES_AUTOHSCROLL;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
constexpr DWORD kSorted = CBS_DROPDOWN | CBS_SORT;

const ControlLayout kLayout[] = {
    {"Button", -1, "Static", 5, 0, 246, 383, BS_GROUPBOX, WS_VISIBLE},
    {"Static", -1, "CONTEST", 10, 10, 36, 11, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_CONTEST, "", 55, 9, 190, 12, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "CALLSIGN", 9, 25, 39, 11, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_CALLSIGN, "", 55, 23, 88, 12, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "CLAIMED", 149, 25, 31, 11, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_CLAIMED, "", 184, 23, 61, 12, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "CATEGORY-OPERATOR", 9, 42, 91, 11, WS_VISIBLE, 0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_OPERATOR, "", 109, 39, 88, 58, kSorted, WS_DISABLED},
    {"Static", IDC_CABRILLO_BAND_LABEL, "CATEGORY-BAND", 9, 55, 95, 11, WS_VISIBLE, 0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_BAND, "", 109, 52, 88, 91, CBS_DROPDOWN | WS_DISABLED,
     CBS_SORT},
    {"Static", IDC_CABRILLO_MODE_LABEL, "CATEGORY-MODE", 10, 68, 95, 11, WS_VISIBLE, 0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_MODE, "", 109, 65, 88, 91, CBS_DROPDOWN,
     CBS_SORT | WS_DISABLED},
    {"Static", IDC_CABRILLO_POWER_LABEL, "CATEGORY-POWER", 9, 81, 91, 11, WS_VISIBLE, 0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_POWER, "", 109, 79, 88, 58, kSorted | WS_DISABLED, 0},
    {"Static", -1, "CATEGORY-TIME", 10, 95, 76, 10, WS_VISIBLE, 0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_TIME, "", 109, 93, 88, 49, kSorted | WS_DISABLED, 0},
    {"Static", IDC_CABRILLO_TRANSMITTER_LABEL, "CATEFORY-TRANSMITTER", 9, 109, 92, 10, WS_VISIBLE,
     0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_TRANSMITTER, "", 109, 107, 88, 49, kSorted, WS_DISABLED},
    {"Static", IDC_CABRILLO_OVERLAY_LABEL, "CAREGORY-OVERLAY", 9, 125, 98, 12, WS_VISIBLE, 0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_OVERLAY, "", 109, 121, 88, 49, kSorted, WS_DISABLED},
    {"Static", IDC_CABRILLO_STATION_LABEL, "CAREGORY-STATION", 9, 137, 98, 12, WS_VISIBLE, 0},
    {"ComboBox", IDC_CABRILLO_CATEGORY_STATION, "", 109, 135, 88, 49, kSorted, WS_DISABLED},
    {"Static", IDC_CABRILLO_OFFTIME_LABEL, "OFFTIME", 11, 164, 40, 13, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_OFFTIME, "", 55, 149, 189, 33, kMultiLine | WS_DISABLED, ES_AUTOHSCROLL},
    {"Static", -1, "NAME", 10, 187, 37, 11, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_NAME, "", 55, 186, 191, 12, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "ADDRESS", 10, 201, 41, 10, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_ADDRESS, "", 54, 200, 192, 12, 0, ES_AUTOHSCROLL | ES_MULTILINE},
    {"Static", -1, "ADDRESS-CITY", 9, 217, 56, 13, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_ADDRESS_CITY, "", 67, 214, 179, 15, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "ADDRESS-POSTALCODE", 9, 233, 88, 11, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_ADDRESS_POSTALCODE, "", 101, 230, 145, 15, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "ADDRES-COUNTRY", 10, 249, 83, 11, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_ADDRESS_COUNTRY, "", 101, 246, 145, 15, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "OPERATORS", 10, 264, 45, 11, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_OPERATORS, "", 55, 263, 191, 12, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "CLUB", 10, 280, 33, 16, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_CLUB, "", 55, 277, 191, 12, kEditHScroll, ES_MULTILINE},
    {"Static", -1, "SOAPBOX", 10, 307, 35, 16, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_SOAPBOX, "", 55, 293, 191, 31, kMultiLine, ES_AUTOHSCROLL | WS_DISABLED},
    {"Static", -1, "E-MAIL", 10, 328, 36, 16, WS_VISIBLE, 0},
    {"Edit", IDC_CABRILLO_EMAIL, "", 55, 325, 191, 12, kEditHScroll, ES_MULTILINE},
    {"Button", IDOK, "OK", 81, 362, 51, 21, WS_VISIBLE, BS_GROUPBOX},
    {"Button", IDCANCEL, "CANCEL", 145, 362, 46, 21, WS_VISIBLE, BS_GROUPBOX},
};

// Pixels of a place in dialog units, rounded as the dialog manager rounds them: the position
// and the size each on their own.
RECT dialog_units(HWND dialog, int x, int y, int width, int height) {
    RECT rect{x, y, width, height};
    MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

// Opens the dialog with the given fields through the platform's interface; operate ends it.
bool edit_header(CabrilloDialogFields& fields, const std::function<void(DialogDriver&)>& operate) {
    Win32UserInterface ui;
    return with_header_dialog([&] { return ui.edit_cabrillo_header(fields); }, operate);
}

CabrilloDialogFields filled_fields() {
    CabrilloDialogFields f;
    f.own_call = "I2XYZ";
    f.claimed_score = "1234";
    f.club = "ARI Milano";
    f.category_operator = "SINGLE-OP";
    f.contest = "TORV";
    f.email = "i2xyz@example.org";
    f.name = "Mario Rossi";
    f.operators = "I2XYZ";
    f.soapbox = "Nice contest\r\n73 to all";
    f.address = "Via Roma 1";
    f.category_power = "LOW";
    f.category_time = "24-HOURS";
    f.category_band = "ALL";
    f.address_postal_code = "20100";
    f.address_country = "Italy";
    f.address_city = "Milano";
    f.offtime = "2018-03-10 1300 2018-03-10 1400";
    f.category_mode = "MIXED";
    return f;
}

}  // namespace

TEST(CabrilloDialog, TemplateHasEveryControlWhereItBelongs) {
    CabrilloDialogFields fields;
    edit_header(fields, [](DialogDriver& d) {
        HWND dialog = d.window();
        char caption[64] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ(caption, "TORV Contest");
        auto style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
        const DWORD frame =
            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME;
        EXPECT_EQ(style & frame, frame);
        RECT client{}, expected = dialog_units(dialog, 0, 0, 255, 409);
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

        std::size_t row = 0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT), ++row) {
            ASSERT_LT(row, std::size(kLayout)) << "more controls than expected";
            const ControlLayout& c = kLayout[row];
            SCOPED_TRACE(std::string(c.text) + " #" + std::to_string(c.id));
            char window_class[32] = {}, text[64] = {};
            GetClassNameA(child, window_class, sizeof window_class);
            GetWindowTextA(child, text, sizeof text);
            EXPECT_STREQ(window_class, c.window_class);
            EXPECT_EQ(static_cast<short>(GetDlgCtrlID(child)), c.id);
            EXPECT_STREQ(text, c.text);
            auto child_style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
            EXPECT_EQ(child_style & c.style_set, c.style_set);
            EXPECT_EQ(child_style & c.style_clear, 0u);
            if (std::string(c.window_class) == "ComboBox") {
                EXPECT_EQ(child_style & 3, static_cast<DWORD>(CBS_DROPDOWN));
            }
            RECT place{}, want = dialog_units(dialog, c.x, c.y, c.width, c.height);
            GetWindowRect(child, &place);
            MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&place), 2);
            EXPECT_EQ(place.left, want.left);
            EXPECT_EQ(place.top, want.top);
            EXPECT_EQ(place.right, want.right);
            // A combo box's height in the template is that of its dropped-down list.
            if (std::string(c.window_class) != "ComboBox") {
                EXPECT_EQ(place.bottom, want.bottom);
            }
        }
        EXPECT_EQ(row, std::size(kLayout));
        d.press(IDCANCEL);
    });
}

TEST(CabrilloDialog, ComboBoxesListTheirEntries) {
    const struct {
        int id;
        std::vector<std::string> shown;  // sorted boxes show their entries alphabetically
    } cases[] = {
        {IDC_CABRILLO_CATEGORY_OPERATOR, {"CHECKLOG", "MULTI-OP", "SINGLE-OP"}},
        {IDC_CABRILLO_CATEGORY_POWER, {"HIGH", "LOW", "QRP"}},
        {IDC_CABRILLO_CATEGORY_BAND,
         {"ALL", "160M", "80M", "40M", "20M", "15M", "10M", "160M-80M-40M", "20M-15M-10M"}},
        {IDC_CABRILLO_CATEGORY_TIME, {"12-HOURS", "24-HOURS"}},
        {IDC_CABRILLO_CATEGORY_TRANSMITTER, {"ONE", "TWO", "UNLIMITED"}},
        {IDC_CABRILLO_CATEGORY_OVERLAY, {"ACTIVATOR", "MEMBER", "NON-MEMBER"}},
        {IDC_CABRILLO_CATEGORY_STATION, {"FIXED", "MOBILE", "PORTABLE"}},
        {IDC_CABRILLO_CATEGORY_MODE, {"MIXED", "CW", "SSB", "DIGI"}},
    };
    CabrilloDialogFields fields;
    edit_header(fields, [&](DialogDriver& d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.id);
            EXPECT_EQ(d.entries(c.id), c.shown);
        }
        d.press(IDCANCEL);
    });
}

TEST(CabrilloDialog, OpensWithTheFieldsInTheirControls) {
    CabrilloDialogFields fields = filled_fields();
    edit_header(fields, [](DialogDriver& d) {
        const struct {
            int id;
            const char* text;
        } edits[] = {
            {IDC_CABRILLO_CALLSIGN, "I2XYZ"},
            {IDC_CABRILLO_CLAIMED, "1234"},
            {IDC_CABRILLO_CLUB, "ARI Milano"},
            {IDC_CABRILLO_CONTEST, "TORV"},
            {IDC_CABRILLO_EMAIL, "i2xyz@example.org"},
            {IDC_CABRILLO_NAME, "Mario Rossi"},
            {IDC_CABRILLO_OPERATORS, "I2XYZ"},
            {IDC_CABRILLO_SOAPBOX, "Nice contest\r\n73 to all"},
            {IDC_CABRILLO_ADDRESS, "Via Roma 1"},
            {IDC_CABRILLO_ADDRESS_POSTALCODE, "20100"},
            {IDC_CABRILLO_ADDRESS_COUNTRY, "Italy"},
            {IDC_CABRILLO_ADDRESS_CITY, "Milano"},
            {IDC_CABRILLO_OFFTIME, "2018-03-10 1300 2018-03-10 1400"},
        };
        for (const auto& e : edits) {
            SCOPED_TRACE(e.id);
            EXPECT_EQ(d.text(e.id), e.text);
        }
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_OPERATOR), "SINGLE-OP");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_MODE), "MIXED");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_BAND), "ALL");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_POWER), "LOW");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_TIME), "24-HOURS");
        for (int empty : {IDC_CABRILLO_CATEGORY_TRANSMITTER, IDC_CABRILLO_CATEGORY_OVERLAY,
                          IDC_CABRILLO_CATEGORY_STATION}) {
            SCOPED_TRACE(empty);
            EXPECT_EQ(d.selection(empty), "<none>");
            EXPECT_EQ(d.text(empty), "");
        }
        d.press(IDCANCEL);
    });
}

TEST(CabrilloDialog, ComboBoxSelectsTheFirstEntryBeginningWithItsText) {
    const struct {
        const char* name;
        int id;
        std::string CabrilloDialogFields::*field;
        const char* value;
        const char* selected;
        const char* text;
    } cases[] = {
        {"prefix", IDC_CABRILLO_CATEGORY_OPERATOR, &CabrilloDialogFields::category_operator,
         "MULTI", "MULTI-OP", "MULTI-OP"},
        {"small letters", IDC_CABRILLO_CATEGORY_MODE, &CabrilloDialogFields::category_mode, "cw",
         "CW", "CW"},
        {"first in list order", IDC_CABRILLO_CATEGORY_BAND, &CabrilloDialogFields::category_band,
         "2", "20M", "20M"},
        {"first in sorted order", IDC_CABRILLO_CATEGORY_STATION,
         &CabrilloDialogFields::category_station, "m", "MOBILE", "MOBILE"},
        {"no entry: text kept", IDC_CABRILLO_CATEGORY_OVERLAY,
         &CabrilloDialogFields::category_overlay, "YOUTH", "<none>", "YOUTH"},
        {"empty selects nothing", IDC_CABRILLO_CATEGORY_TRANSMITTER,
         &CabrilloDialogFields::category_transmitter, "", "<none>", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CabrilloDialogFields fields;
        fields.*c.field = c.value;
        edit_header(fields, [&](DialogDriver& d) {
            EXPECT_EQ(d.selection(c.id), c.selected);
            EXPECT_EQ(d.text(c.id), c.text);
            d.press(IDCANCEL);
        });
    }
}

TEST(CabrilloDialog, OkReturnsWhatTheControlsShow) {
    CabrilloDialogFields fields = filled_fields();
    fields.category_mode = "cw";
    bool confirmed = edit_header(fields, [](DialogDriver& d) {
        d.type(IDC_CABRILLO_NAME, "Luigi Bianchi");
        d.type(IDC_CABRILLO_SOAPBOX, "Line one\r\nLine two");
        d.type(IDC_CABRILLO_CALLSIGN, "I2XYZ/P");
        d.pick(IDC_CABRILLO_CATEGORY_OPERATOR, "MULTI-OP");
        d.pick(IDC_CABRILLO_CATEGORY_TRANSMITTER, "TWO");
        d.type(IDC_CABRILLO_CATEGORY_OVERLAY, "YOUTH");  // typed, not in the list
        d.press(IDOK);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(fields.name, "Luigi Bianchi");
    EXPECT_EQ(fields.soapbox, "Line one\r\nLine two");
    EXPECT_EQ(fields.own_call, "I2XYZ/P");
    EXPECT_EQ(fields.category_operator, "MULTI-OP");
    EXPECT_EQ(fields.category_transmitter, "TWO");
    EXPECT_EQ(fields.category_overlay, "YOUTH");
    EXPECT_EQ(fields.category_station, "");
    EXPECT_EQ(fields.category_mode, "CW");
    // The disabled controls give back what they were given.
    EXPECT_EQ(fields.category_power, "LOW");
    EXPECT_EQ(fields.category_time, "24-HOURS");
    EXPECT_EQ(fields.category_band, "ALL");
    EXPECT_EQ(fields.offtime, "2018-03-10 1300 2018-03-10 1400");
    EXPECT_EQ(fields.claimed_score, "1234");
}

TEST(CabrilloDialog, CancelEscapeAndCloseLeaveTheFieldsAsTheyWere) {
    const struct {
        const char* name;
        void (*end)(DialogDriver&);
    } cases[] = {
        {"Cancel button", [](DialogDriver& d) { d.press(IDCANCEL); }},
        {"Escape key",
         [](DialogDriver& d) {
             PostMessageA(d.item(IDC_CABRILLO_NAME), WM_KEYDOWN, VK_ESCAPE, 0);
         }},
        {"system menu Close",
         [](DialogDriver& d) { PostMessageA(d.window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CabrilloDialogFields fields = filled_fields();
        bool confirmed = edit_header(fields, [&](DialogDriver& d) {
            d.type(IDC_CABRILLO_NAME, "Changed");
            d.pick(IDC_CABRILLO_CATEGORY_OPERATOR, "CHECKLOG");
            c.end(d);
        });
        EXPECT_FALSE(confirmed);
        EXPECT_EQ(fields.name, "Mario Rossi");
        EXPECT_EQ(fields.category_operator, "SINGLE-OP");
    }
}
