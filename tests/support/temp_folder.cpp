#include "tests/support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempFolder::TempFolder() : previous_(fs::current_path()) {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("stats-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(path_ / "Plugins");
    fs::current_path(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    fs::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

bool TempFolder::exists(const std::string& name) const {
    return fs::exists(path_ / name);
}
