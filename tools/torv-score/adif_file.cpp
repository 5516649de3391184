#include "tools/torv-score/adif_file.h"

#include <cctype>
#include <charconv>

#include "tools/torv-score/log_text.h"

namespace {

std::string lower_case(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// What one "<...>" holds: an end marker, a field with its data length, or nothing usable.
struct Tag {
    enum class Kind { field, end_of_header, end_of_record, malformed } kind = Kind::malformed;
    std::string name;
    std::size_t length = 0;
    bool length_too_large = false;
};

Tag read_tag(std::string_view inside) {
    Tag tag;
    std::size_t colon = inside.find(':');
    std::string name = lower_case(inside.substr(0, colon));
    if (colon == std::string_view::npos) {
        if (name == "eoh")
            tag.kind = Tag::Kind::end_of_header;
        else if (name == "eor")
            tag.kind = Tag::Kind::end_of_record;
        return tag;
    }
    if (name.empty())
        return tag;
    for (char c : name) {
        if (is_blank_or_control(c))
            return tag;
    }
    // The length, then an optional type indicator after a second colon.
    std::string_view rest = inside.substr(colon + 1);
    std::string_view digits = rest.substr(0, rest.find(':'));
    if (digits.empty())
        return tag;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return tag;
    }
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), tag.length);
    (void)end;
    tag.length_too_large = error == std::errc::result_out_of_range;
    tag.name = std::move(name);
    tag.kind = Tag::Kind::field;
    return tag;
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    AdifFile run() {
        while (position_ < text_.size()) {
            std::size_t open = text_.find('<', position_);
            if (open == std::string_view::npos)
                break;
            if (!step(open))
                break;
        }
        if (!pending_.empty() && problem_.empty())
            problem_ = "the record does not end with <EOR>";
        if (!pending_.empty() || !problem_.empty())
            finish_record();
        return std::move(file_);
    }

  private:
    // Reads the tag at `open` and what follows it; false when the rest of the file is lost.
    bool step(std::size_t open) {
        std::size_t close = text_.find_first_of("<>", open + 1);
        if (close == std::string_view::npos || text_[close] == '<') {
            // A '<' that opens no tag: read on after it, so that a tag behind it still counts.
            note("a '<' that opens no tag at byte " + std::to_string(open + 1) + ": " +
                 shown(text_.substr(open)));
            position_ = open + 1;
            return true;
        }
        Tag tag = read_tag(text_.substr(open + 1, close - open - 1));
        position_ = close + 1;
        switch (tag.kind) {
            case Tag::Kind::end_of_header:
                end_header();
                return true;
            case Tag::Kind::end_of_record:
                // A record with a problem counts even without fields, so that it is reported.
                if (!pending_.empty() || !problem_.empty())
                    finish_record();
                return true;
            case Tag::Kind::malformed:
                note("a malformed tag at byte " + std::to_string(open + 1) + ": " +
                     shown(text_.substr(open, close - open + 1)));
                return true;
            case Tag::Kind::field:
                break;
        }
        std::size_t left = text_.size() - position_;
        if (tag.length_too_large || tag.length > left) {
            note("the field " + tag.name + " at byte " + std::to_string(open + 1) + " claims " +
                 std::string(tag.length_too_large ? "more" : std::to_string(tag.length)) +
                 " bytes, but only " + std::to_string(left) + " follow");
            pending_.push_back({std::move(tag.name), std::string(text_.substr(position_))});
            position_ = text_.size();
            return false;
        }
        pending_.push_back({std::move(tag.name), std::string(text_.substr(position_, tag.length))});
        position_ += tag.length;
        return true;
    }

    void end_header() {
        if (header_done_ || !file_.records.empty()) {
            note("an <EOH> after the header");
            return;
        }
        header_done_ = true;
        file_.header = std::move(pending_);
        pending_.clear();
        file_.header_problem = std::move(problem_);
        problem_.clear();
    }

    // A problem belongs to the record being read; the first one is the record's.
    void note(std::string problem) {
        if (problem_.empty())
            problem_ = std::move(problem);
        else
            problem_ += "; " + problem;
    }

    void finish_record() {
        AdifRecord record;
        record.number = file_.records.size() + 1;
        record.fields = std::move(pending_);
        pending_.clear();
        record.problem = std::move(problem_);
        problem_.clear();
        file_.records.push_back(std::move(record));
    }

    std::string_view text_;
    std::size_t position_ = 0;
    AdifFile file_;
    std::vector<AdifField> pending_;
    std::string problem_;
    bool header_done_ = false;
};

}  // namespace

const std::string* AdifRecord::find(std::string_view name) const {
    for (const AdifField& field : fields) {
        if (field.name == name)
            return &field.value;
    }
    return nullptr;
}

AdifFile parse_adif(std::string_view text) {
    return Parser(text).run();
}
