// The exchange check with the ICAO list as a session start loads it. The digital-mode flag is
// the operator window's; here the test sets it in the session.
#include <gtest/gtest.h>

#include "tests/engine/engine_test_app.h"

namespace {

struct Row {
    const char* exchange;
    int expected;
};

void expect_answers(EngineTestApp& t, std::initializer_list<Row> rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("[") + row.exchange + "]");
        EXPECT_EQ(IsValidExchange(t.app, row.exchange), row.expected);
    }
}

void set_digital_mode(EngineTestApp& t, bool on) {
    t.app.session().access()->digital_mode = on;
}

TEST(ExchangeCheck, AnswersNothingOutsideTheDigitalModes) {
    EngineTestApp t;
    t.folder.write("Plugins/ICAO.sec", "LIRF\r\n");
    t.start();
    expect_answers(t, {{"123", 0}, {"LIRF", 0}, {"", 0}});
}

TEST(ExchangeCheck, SerialNumbersAreThreeDigitsButNotTheReport) {
    EngineTestApp t;
    t.folder.write("Plugins/ICAO.sec", "LIRF\r\n");
    t.start();
    set_digital_mode(t, true);
    expect_answers(t, {{"123", 1},
                       {"001", 1},
                       {"579", 1},
                       {"599", 0},
                       {"12", 0},
                       {"12a", 0},
                       {"12345", 0},
                       {" 12", 0},
                       {"", 0}});
}

TEST(ExchangeCheck, FourCharacterCodesMustStandInTheList) {
    EngineTestApp t;
    t.folder.write("Plugins/ICAO.sec", "LIRF\r\nLIRA \r\n\r\n");
    t.start();
    set_digital_mode(t, true);
    expect_answers(t,
                   {{"LIRF", 1}, {"lirf", 0}, {"LIRA", 0}, {"LIRA ", 0}, {"1234", 0}, {"EDDF", 0}});
}

TEST(ExchangeCheck, WithoutListFileCodesAreJudgedByTheirFirstCharacter) {
    EngineTestApp t;
    t.start();
    set_digital_mode(t, true);
    expect_answers(
        t,
        {{"ABCD", 1}, {"A1B2", 1}, {"a---", 1}, {"1234", 1}, {"12AB", 0}, {"-ABC", 0}, {"599", 0}});
}

// The list flag follows the file at every session start, so a list put in place later is used.
TEST(ExchangeCheck, AListThatAppearsLaterIsUsedByTheNextSession) {
    EngineTestApp t;
    t.start();
    set_digital_mode(t, true);
    expect_answers(t, {{"EDDF", 1}});
    t.folder.write("Plugins/ICAO.sec", "LIRF\r\n");
    t.start();
    expect_answers(t, {{"EDDF", 0}, {"LIRF", 1}});
}

TEST(ExchangeCheck, AnEmptyListFileAcceptsNoCode) {
    EngineTestApp t;
    t.folder.write("Plugins/ICAO.sec", "");
    t.start();
    set_digital_mode(t, true);
    expect_answers(t, {{"LIRF", 0}, {"123", 1}});
}

}  // namespace
