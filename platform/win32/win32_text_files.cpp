#include "platform/win32/win32_text_files.h"

#include <windows.h>

#include "platform/win32/scoped_handle.h"

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::string last_error_text() {
    DWORD code = GetLastError();
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' ||
                          buffer[length - 1] == ' ' || buffer[length - 1] == '.'))
        --length;
    if (length == 0)
        return "error " + std::to_string(code);
    return std::string(buffer, length);
}

FileResult write_all(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return {false, last_error_text()};
        bytes.remove_prefix(written);
    }
    return {true, {}};
}

FileResult open_and_write(const std::string& name, std::string_view bytes, DWORD disposition,
                          bool at_end) {
    if (name.empty())
        return {false, "no file name"};
    ScopedHandle file(CreateFileA(name.c_str(), GENERIC_WRITE, kShareAll, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return {false, last_error_text()};
    if (at_end)
        SetFilePointer(file.get(), 0, nullptr, FILE_END);
    return write_all(file.get(), bytes);
}

}  // namespace

std::optional<std::vector<std::string>> Win32TextFiles::read_lines(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    ScopedHandle file(CreateFileA(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return std::nullopt;
    std::string content;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

FileResult Win32TextFiles::write(const std::string& name, std::string_view bytes) {
    return open_and_write(name, bytes, CREATE_ALWAYS, false);
}

FileResult Win32TextFiles::append(const std::string& name, std::string_view bytes) {
    return open_and_write(name, bytes, OPEN_ALWAYS, true);
}

FileResult Win32TextFiles::replace(const std::string& name, std::string_view bytes) {
    std::string temporary = name + ".tmp";
    FileResult result = open_and_write(temporary, bytes, CREATE_ALWAYS, false);
    if (result.ok && !MoveFileExA(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING))
        result = {false, last_error_text()};
    if (!result.ok)
        DeleteFileA(temporary.c_str());
    return result;
}

std::vector<std::string> Win32TextFiles::find_files(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.push_back(data.cFileName);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
}
