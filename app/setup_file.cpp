// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/setup_file.h"

#include <cstdio>

#include "library/format.h"
#include "library/regular_file.h"

namespace viv {

namespace {

// A set-up file is a few short lines. Whatever lies past these limits is not a set-up
// file a teacher wrote: longer lines are skipped, and reading stops after the budget.
constexpr std::size_t kMaxLineLength = 4096;    // bytes
constexpr std::size_t kMaxFileBytes = 1 << 20;  // bytes read at most

class LineReader {
public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    // The next line without its end (LF, CR LF or a lone CR); false at the end of the file
    // or of the budget. `overlong` tells that the line was longer than kMaxLineLength and
    // `line` holds only its beginning.
    bool Next(std::string& line, bool& overlong) {
        line.clear();
        overlong = false;
        int c = Get();
        if (c == EOF) return false;
        for (; c != EOF && c != '\n'; c = Get()) {
            if (c == '\r') {
                const int next = Get();
                if (next != '\n' && next != EOF) {
                    std::ungetc(next, file_);
                    --used_;
                }
                break;
            }
            if (line.size() < kMaxLineLength)
                line.push_back(static_cast<char>(c));
            else
                overlong = true;
        }
        return true;
    }

private:
    int Get() {
        if (used_ >= kMaxFileBytes) return EOF;
        const int c = std::getc(file_);
        if (c != EOF) ++used_;
        return c;
    }

    std::FILE* file_;
    std::size_t used_ = 0;
};

}  // namespace

SetupFileSettings ReadSetupFile(const std::vector<std::string>& candidates) {
    SetupFileSettings settings;
    // The first candidate that is a regular file; anything else (a named pipe, a
    // directory) counts as missing.
    FilePtr file;
    for (const std::string& path : candidates) {
        std::string error;
        file = OpenRegularFile(path, error);
        if (file) break;
    }
    if (!file) return settings;
    return ReadSetupFile(file.get());
}

SetupFileSettings ReadSetupFile(std::FILE* file) {
    SetupFileSettings settings;
    LineReader reader(file);
    std::string line;
    bool overlong = false;
    if (!reader.Next(line, overlong) || UpperCaseText(line.substr(0, 12)) != "VIVARNON.INI")
        return settings;
    settings.Found = true;
    while (reader.Next(line, overlong)) {
        if (overlong) continue;  // no key of ours has a value that long
        const auto comma = line.find(',');
        const std::string key = comma == std::string::npos ? std::string() : line.substr(0, comma);
        const std::string value = comma == std::string::npos ? line : line.substr(comma + 1);
        if (value.empty()) break;
        if (key == "SEPARATOR") {
            switch (value[0]) {
                case '#':
                    settings.ListSeparator = '\t';
                    break;
                case ',':
                    settings.ListSeparator = ',';
                    break;
                case ';':
                    settings.ListSeparator = ';';
                    break;
                default:
                    break;
            }
        } else if (key == "STI" && value.find('\0') == std::string::npos) {
            // A directory name never holds a NUL byte: such a value is binary garbage.
            settings.OpenDialogDirectory = value;
        }
    }
    return settings;
}

}  // namespace viv
