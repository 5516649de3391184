// Whole export runs through the real Stats.dll under Wine: the session start with the header
// dialog, the QSOs, and the result request that writes the Cabrillo file and tells the
// operator in the "Output" box.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "resources/resource_ids.h"
#include "tests/cabrillo/dialog_driver.h"
#include "tests/support/plugin_host.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_search.h"

namespace {

// What a result request of an export run showed and returned.
struct ExportResult {
    int status = 0;
    bool box_shown = false;
    std::string box_text;
};

// Asks for the result on a thread of its own, as the host's thread would, and closes the
// "Output" box when one shows up.
ExportResult request_result(PluginHost& host) {
    ExportResult outcome;
    auto result = std::async(std::launch::async, [&] { return host.result(&outcome.status); });
    while (result.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        HWND box = wait_for_window("#32770", "Output");
        if (!box)
            continue;
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        outcome.box_shown = true;
        outcome.box_text = text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        break;
    }
    result.get();
    return outcome;
}

class ExportRunTest : public ::testing::Test {
  protected:
    ExportRunTest() {
        // No host settings file in the host's folder: the version is "Norl".
        session.host_folder = folder.path().string() + "\\";
        session.export_request = 1;
        session.own_call = "I2XYZ";
    }

    bool start(const std::function<void(DialogDriver&)>& operate) {
        return with_header_dialog([&] { return host.reset(session) == 1; }, operate);
    }

    static HostQso qso(const char* call, unsigned frequency_hz, const char* mode, const char* band,
                       const char* exchange, int minute) {
        HostQso q;
        q.call = call;
        q.frequency_hz = frequency_hz;
        q.mode = mode;
        q.band = band;
        q.exchange_received = exchange;
        q.time = {39480.0 + (13 * 60 + minute) / 1440.0, 0};  // 2008-02-02 13:mm
        q.report_sent = q.report_received = (std::string(mode) == "SSB") ? "59" : "599";
        return q;
    }

    TempFolder folder;
    PluginHost host;
    HostSession session;
};

const std::string kSingleOpHeader =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: TORV\r\n"
    "CALLSIGN: I2XYZ\r\n"
    "CATEGORY-OPERATOR: SINGLE-OP\r\n"
    "CATEGORY-MODE: MIXED\r\n"
    "OPERATORS: I2XYZ\r\n"
    "NAME: \r\n"
    "CREATED-BY: Norl Norl\r\n"
    "ADDRESS: \r\n"
    "ADDRESS-CITY: \r\n"
    "ADDRESS-POSTALCODE: \r\n"
    "ADDRESS-COUNTRY: \r\n"
    "EMAIL: \r\n"
    "SOAPBOX: \r\n";

}  // namespace

TEST_F(ExportRunTest, EmptyLogGivesTheHeaderAndTheEndLine) {
    ASSERT_TRUE(start([](DialogDriver& d) { d.press(IDOK); }));
    ExportResult result = request_result(host);
    EXPECT_TRUE(result.box_shown);
    EXPECT_EQ(result.box_text, "File produced: I2XYZ.cbr");
    EXPECT_EQ(result.status, -1);
    EXPECT_EQ(folder.read("I2XYZ.cbr"), kSingleOpHeader + "END-OF-LOG:\r\n");
}

TEST_F(ExportRunTest, MixedLogIsWrittenByteForByte) {
    session.own_call = "DL/I2XYZ/P";
    ASSERT_TRUE(start([](DialogDriver& d) {
        d.type(IDC_CABRILLO_CALLSIGN, "I2XYZ");
        d.pick(IDC_CABRILLO_CATEGORY_OPERATOR, "MULTI-OP");
        d.pick(IDC_CABRILLO_CATEGORY_TRANSMITTER, "TWO");
        d.pick(IDC_CABRILLO_CATEGORY_OVERLAY, "MEMBER");
        d.type(IDC_CABRILLO_SOAPBOX, "Nice contest\r\n73");
        d.press(IDOK);
    }));
    EXPECT_EQ(host.add(qso("XX1ABC", 7025000, "CW", "40m", "001", 0)), 1);
    EXPECT_EQ(host.add(qso("XX1ABC", 7026000, "CW", "40m", "002", 1)), 1);  // dupe
    EXPECT_EQ(host.add(qso("XX2ABCDEFGHIJK", 14200000, "SSB", "20m", "LIRF", 2)), 1);
    EXPECT_EQ(host.add(qso("XX3A", 21080000, "RTTY", "15m", "7", 3)), 1);
    EXPECT_EQ(host.add(qso("XX4B", 28120000, "BPSK63", "10m", "LIML", 4)), 1);
    ExportResult result = request_result(host);
    EXPECT_EQ(result.box_text, "File produced: DL_I2XYZ_P.cbr");
    EXPECT_EQ(result.status, -1);
    EXPECT_EQ(folder.read("DL_I2XYZ_P.cbr"),
              "START-OF-LOG: 3.0\r\n"
              "CONTEST: TORV\r\n"
              "CALLSIGN: I2XYZ\r\n"
              "CATEGORY-OPERATOR: MULTI-OP\r\n"
              "CATEGORY-MODE: MIXED\r\n"
              "CATEGORY-OVERLAY: MEMBER\r\n"
              "CATEGORY-TRANSMITTER: TWO\r\n"
              "OPERATORS: DL/I2XYZ/P\r\n"
              "NAME: \r\n"
              "CREATED-BY: Norl Norl\r\n"
              "ADDRESS: \r\n"
              "ADDRESS-CITY: \r\n"
              "ADDRESS-POSTALCODE: \r\n"
              "ADDRESS-COUNTRY: \r\n"
              "EMAIL: \r\n"
              "SOAPBOX: Nice contest\r\n"
              "SOAPBOX: 73\r\n"
              "QSO:  7025 CW 2008-02-02 1300 I2XYZ         599 001    XX1ABC        599 001\r\n"
              "QSO:  7026 CW 2008-02-02 1301 I2XYZ         599 001    XX1ABC        599 002\r\n"
              "QSO: 14200 PH 2008-02-02 1302 I2XYZ         59  001    XX2ABCDEFGHIJK 59  LIRF\r\n"
              "QSO: 21080 RY 2008-02-02 1303 I2XYZ         599 001    XX3A          599 007\r\n"
              "QSO: 28120 PM 2008-02-02 1304 I2XYZ         599 001    XX4B          599 LIML\r\n"
              "END-OF-LOG:\r\n");
}

TEST_F(ExportRunTest, CancelledHeaderStopsTheExport) {
    ASSERT_TRUE(start([](DialogDriver& d) { d.press(IDCANCEL); }));
    EXPECT_EQ(host.add(qso("XX1ABC", 7025000, "CW", "40m", "001", 0)), 1);
    ExportResult result = request_result(host);
    EXPECT_FALSE(result.box_shown) << result.box_text;
    EXPECT_NE(result.status, -1);
    EXPECT_FALSE(folder.exists("I2XYZ.cbr"));
}

TEST_F(ExportRunTest, FailedWriteIsToldInTheOutputBox) {
    ASSERT_TRUE(start([](DialogDriver& d) { d.press(IDOK); }));
    EXPECT_EQ(host.add(qso("XX1ABC", 7025000, "CW", "40m", "001", 0)), 1);
    std::filesystem::create_directory(folder.path() / "I2XYZ.cbr");
    ExportResult result = request_result(host);
    EXPECT_EQ(result.box_text.rfind("File not written: I2XYZ.cbr (", 0), 0u) << result.box_text;
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "I2XYZ.cbr"));
    EXPECT_FALSE(folder.exists("I2XYZ.cbr.tmp"));
}

TEST_F(ExportRunTest, TwoExportsInOneSessionEachHoldTheWholeLogOnce) {
    ASSERT_TRUE(start([](DialogDriver& d) { d.press(IDOK); }));
    EXPECT_EQ(host.add(qso("XX1ABC", 7025000, "CW", "40m", "001", 0)), 1);
    EXPECT_EQ(request_result(host).box_text, "File produced: I2XYZ.cbr");
    EXPECT_EQ(host.add(qso("XX2DEF", 14025000, "CW", "20m", "002", 1)), 1);
    EXPECT_EQ(request_result(host).box_text, "File produced: I2XYZ.cbr");
    EXPECT_EQ(folder.read("I2XYZ.cbr"),
              kSingleOpHeader +
                  "QSO:  7025 CW 2008-02-02 1300 I2XYZ         599 001    XX1ABC        599 001\r\n"
                  "QSO: 14025 CW 2008-02-02 1301 I2XYZ         599 001    XX2DEF        599 002\r\n"
                  "END-OF-LOG:\r\n");
}
