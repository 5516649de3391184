// The Cabrillo export through the real Stats.dll under Wine: an export run's session start
// shows the header dialog from the DLL's own template, modally on the host's thread.
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/cabrillo/dialog_driver.h"
#include "tests/support/plugin_host.h"
#include "tests/support/temp_folder.h"

namespace {

std::string setting(const TempFolder& folder, const char* key) {
    char value[256] = {};
    std::string ini = (folder.path() / "Plugins" / "TORV.ini").string();
    GetPrivateProfileStringA("Settings", key, "<missing>", value, sizeof value, ini.c_str());
    return value;
}

HostSession export_run(const std::string& own_call) {
    HostSession session;
    session.export_request = 1;
    session.own_call = own_call;
    return session;
}

// Starts an export run on a thread of its own, as the host's thread would run it, and lets
// operate work on the header dialog.
bool start_export_run(PluginHost& host, const HostSession& session,
                      const std::function<void(DialogDriver&)>& operate) {
    return with_header_dialog([&] { return host.reset(session) == 1; }, operate);
}

}  // namespace

TEST(CabrilloThroughStatsDll, ExportRunShowsTheHeaderAndOkStoresIt) {
    TempFolder folder;
    folder.write("Plugins/TORV.ini",
                 "[Settings]\r\nName=Mario Rossi\r\nSoapBox=Nice<CR><LF>73\r\nClaimed=321\r\n");
    PluginHost host;
    ASSERT_TRUE(start_export_run(host, export_run("I2XYZ"), [](DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_CABRILLO_CALLSIGN), "I2XYZ");
        EXPECT_EQ(d.text(IDC_CABRILLO_OPERATORS), "I2XYZ");
        EXPECT_EQ(d.text(IDC_CABRILLO_NAME), "Mario Rossi");
        EXPECT_EQ(d.text(IDC_CABRILLO_SOAPBOX), "Nice\r\n73");
        EXPECT_EQ(d.text(IDC_CABRILLO_CLAIMED), "321");
        EXPECT_EQ(d.text(IDC_CABRILLO_CONTEST), "TORV");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_OPERATOR), "SINGLE-OP");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_MODE), "MIXED");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_BAND), "ALL");
        d.type(IDC_CABRILLO_NAME, "Luigi Bianchi");
        d.type(IDC_CABRILLO_SOAPBOX, "Line one\r\nLine two");
        d.pick(IDC_CABRILLO_CATEGORY_OPERATOR, "CHECKLOG");
        d.press(IDOK);
    }));
    const struct {
        const char* key;
        const char* value;
    } stored[] = {
        {"Operators", "I2XYZ"},
        {"Name", "Luigi Bianchi"},
        {"Category", "CHECKLOG"},
        {"Contest", "TORV"},
        {"SoapBox", "Line one<CR><LF>Line two"},
        {"Offtime", ""},
        {"Claimed", "321"},
    };
    for (const auto& s : stored) {
        SCOPED_TRACE(s.key);
        EXPECT_EQ(setting(folder, s.key), s.value);
    }
}

TEST(CabrilloThroughStatsDll, CancelLeavesTheHeaderSettingsAlone) {
    TempFolder folder;
    PluginHost host;
    ASSERT_TRUE(start_export_run(host, export_run("I2XYZ"), [](DialogDriver& d) {
        d.type(IDC_CABRILLO_NAME, "Luigi Bianchi");
        d.press(IDCANCEL);
    }));
    for (const char* key : {"Operators", "Name", "Category", "Power", "Contest", "SoapBox"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(setting(folder, key), "<missing>");
    }
}
