#include "platform/posix/posix_text_files.h"

#include <dirent.h>
#include <fnmatch.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string native_path(const std::string& name) {
    std::string path = name;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

namespace {

FileResult write_with_mode(const std::string& name, std::string_view bytes, const char* mode) {
    if (name.empty())
        return {false, "no file name"};
    std::FILE* file = std::fopen(native_path(name).c_str(), mode);
    if (!file)
        return {false, std::strerror(errno)};
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int saved_errno = errno;
    bool closed = std::fclose(file) == 0;
    if (!written || !closed)
        return {false, std::strerror(written ? errno : saved_errno)};
    return {true, {}};
}

}  // namespace

std::optional<std::vector<std::string>> PosixTextFiles::read_lines(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    // A folder opens as a stream on Linux; on Windows it cannot be read as a file.
    std::error_code error;
    if (std::filesystem::is_directory(native_path(name), error))
        return std::nullopt;
    std::ifstream in(native_path(name), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

FileResult PosixTextFiles::write(const std::string& name, std::string_view bytes) {
    return write_with_mode(name, bytes, "wb");
}

FileResult PosixTextFiles::append(const std::string& name, std::string_view bytes) {
    return write_with_mode(name, bytes, "ab");
}

FileResult PosixTextFiles::replace(const std::string& name, std::string_view bytes) {
    std::string temporary = name + ".tmp";
    FileResult result = write_with_mode(temporary, bytes, "wb");
    if (!result.ok) {
        std::remove(native_path(temporary).c_str());
        return result;
    }
    if (std::rename(native_path(temporary).c_str(), native_path(name).c_str()) != 0) {
        result = {false, std::strerror(errno)};
        std::remove(native_path(temporary).c_str());
    }
    return result;
}

std::vector<std::string> PosixTextFiles::find_files(const std::string& pattern) {
    std::string path = native_path(pattern);
    auto slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string mask = slash == std::string::npos ? path : path.substr(slash + 1);
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return names;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_type == DT_DIR)
            continue;
        if (fnmatch(mask.c_str(), entry->d_name, FNM_CASEFOLD) == 0)
            names.push_back(entry->d_name);
    }
    closedir(dir);
    return names;
}
