// A whole session on the native core: the report file's exact bytes.
#include <gtest/gtest.h>

#include "engine/bad_qso_report.h"
#include "tests/engine/engine_test_app.h"
#include "tests/engine/report_session.h"

TEST(ReportSession, WritesTheExactReportBytes) {
    EngineTestApp t;
    t.start();
    for (const auto& step : kReportSession) {
        SCOPED_TRACE(std::string(step.remove ? "remove " : "add ") + step.call + " " + step.mode +
                     " 13:" + std::to_string(step.minute));
        QsoArgs q = contest_qso();
        q.call = step.call;
        q.band = step.band;
        q.mode = step.mode;
        q.exchange_sent = step.exchange_sent;
        q.exchange_received = step.exchange_received;
        q.qso_time = at(2008, 2, 2, 13, step.minute);
        q.frequency_hz = step.frequency_hz;
        EXPECT_EQ(step.remove ? t.remove(q) : t.add(q), step.expected);
    }
    EXPECT_EQ(t.report(), kReportSessionBytes);
    EXPECT_EQ(t.state().log.size(), static_cast<std::size_t>(kReportSessionRecords));
    EXPECT_EQ(CountBadQsos(t.files, kReportFile), kReportSessionBadQsos);
}
