#include <utility>

#include "engine/bad_qso_report.h"
#include "plugin/engine_calls.h"
#include "results/export_run.h"
#include "results/result_text.h"
#include "results/score_sheet.h"

const char* GetResult(CTestApp& app, int* status) {
    std::string bad_qso_file = app.session().access()->bad_qso_file;
    // Only the host's thread writes the report file, so it can be read without the lock.
    const int bad_qsos = CountBadQsos(app.files(), bad_qso_file);

    const char* text = nullptr;
    int score = 0;
    bool export_now = false;
    ContestLog export_log;
    std::string host_version;
    {
        auto session = app.session().access();
        SortWorkedBands(session->worked_bands);
        ScoreSheet sheet = ComputeScore({session->log, session->worked_bands, session->own_country,
                                         session->own_continent, session->export_run, bad_qsos});
        // The operator window reads these under the lock; they change here all at once.
        for (std::size_t slot = 0; slot < sheet.refilled_slots.size(); ++slot) {
            if (!sheet.refilled_slots[slot])
                continue;
            for (std::size_t mode_class = 0; mode_class < kModeClassCount; ++mode_class)
                session->multiplier_lists[mode_class][slot] =
                    std::move((*sheet.refilled_slots[slot])[mode_class]);
        }
        session->bad_qso_count = bad_qsos;
        session->claimed_score = score = sheet.score;

        ResultHeader header{session->contest_start_text, session->contest_end_text,
                            session->own_call};
        session->result_text = session->html ? HtmlResultText(header, sheet)
                                             : PlainResultText(header, sheet, session->export_run);
        // Stays valid until the next call: only this call rebuilds the text.
        text = session->result_text.c_str();

        // A cancelled header dialog stops the export; the result is scored all the same.
        export_now = session->export_run && session->export_confirmed;
        if (export_now) {
            export_log = session->log;
            host_version = session->host_version;
        }
    }
    app.settings().write_int("Claimed", score);
    if (export_now)
        ExportLog(app, export_log, host_version, status);
    return text;
}
