#include "app/setup_file.h"

#include <fstream>

#include "library/format.h"

namespace viv {

namespace {

bool ReadLine(std::ifstream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace

SetupFileSettings ReadSetupFile(const std::vector<std::string>& candidates) {
    SetupFileSettings settings;
    std::ifstream in;
    for (const std::string& path : candidates) {
        in.open(path, std::ios::binary);
        if (in.is_open()) break;
        in.clear();
    }
    if (!in.is_open()) return settings;
    std::string line;
    if (!ReadLine(in, line) || UpperCaseText(line).compare(0, 12, "VIVARNON.INI") != 0) return settings;
    settings.Found = true;
    while (ReadLine(in, line)) {
        const auto comma = line.find(',');
        const std::string key = comma == std::string::npos ? std::string() : line.substr(0, comma);
        const std::string value = comma == std::string::npos ? line : line.substr(comma + 1);
        if (value.empty()) break;
        if (key == "SEPARATOR") {
            switch (value[0]) {
            case '#': settings.ListSeparator = '\t'; break;
            case ',': settings.ListSeparator = ','; break;
            case ';': settings.ListSeparator = ';'; break;
            default: break;
            }
        } else if (key == "STI") {
            settings.OpenDialogDirectory = value;
        }
    }
    return settings;
}

}  // namespace viv
