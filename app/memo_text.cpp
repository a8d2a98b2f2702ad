// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/memo_text.h"

#include <vector>

#include "app/app.h"
#include "app/file_paths.h"
#include "app/memo_sync.h"
#include "library/regular_file.h"
#include "library/rtf_reader.h"

namespace viv {

namespace {

std::string Utf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text) AppendUtf8(out, c);
    return out;
}

// The paragraphs of `text`, each without its "\n".
std::vector<std::u32string_view> Paragraphs(std::u32string_view text) {
    std::vector<std::u32string_view> out;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(U'\n', begin);
        out.push_back(text.substr(
            begin, end == std::u32string_view::npos ? std::u32string_view::npos : end - begin));
        if (end == std::u32string_view::npos) return out;
        begin = end + 1;
    }
}

}  // namespace

std::string GuidancePath(std::string_view startDirectory, Language language) {
    return JoinPath(startDirectory,
                    language == Language::English ? "Vivarnon.en.rtf" : "Vivarnon.rtf");
}

GuidanceFile ReadGuidanceFile(const std::string& path) {
    GuidanceFile result;
    FileBytes file = ReadRegularFile(path, MaxGuidanceBytes);
    switch (file.Status) {
        case ReadStatus::NotFound:
            result.Problem = path + " ikke fundet";
            return result;
        case ReadStatus::TooLarge:
            result.Problem =
                path + " er for stor (over " + std::to_string(MaxGuidanceBytes >> 20) + " MB)";
            return result;
        case ReadStatus::Unreadable:
            result.Problem = path + " kunne ikke læses";
            return result;
        case ReadStatus::Ok:
            break;
    }
    RtfReadResult read = ReadRtf(file.Bytes);
    if (!read.IsRtf) {
        result.Problem = path + " er ikke en RTF-fil";
        return result;
    }
    result.Document = std::move(read.Document);
    return result;
}

std::optional<RtfDocument> ReadRtfFile(const std::string& path) {
    return ReadGuidanceFile(path).Document;
}

namespace {

// Puts `document` into the memo as its text, its headings and the document the window shows.
void TakeGuidance(MemoModel& memo, RtfDocument document) {
    memo.Text = MemoCharacters(document.PlainText());
    memo.Headings.clear();
    for (const RtfParagraph& p : document.Paragraphs) {
        if (p.SimulationMark == 0) continue;
        std::string heading;
        for (const RtfRun& run : p.Runs) heading += run.Text;
        memo.Headings[p.SimulationMark] = MemoCharacters(heading);
    }
    memo.Document = std::make_shared<const RtfDocument>(std::move(document));
    ++memo.Loads;
    memo.SelStart = 0;
    memo.SelLength = 0;
}

}  // namespace

RtfDocument MemoFormCreate(App& app) {
    GuidanceFile guidance =
        ReadGuidanceFile(GuidancePath(app.State.StartDirectory, app.CurrentLanguage()));
    if (!guidance.Document) {
        app.host().ShowMessage(guidance.Problem, MessageKind::Information);
        guidance.Document.emplace();
    }
    TakeGuidance(app.Memo, std::move(*guidance.Document));
    if (app.State.CurrentSimulation == 1) app.Memo.Visible = true;
    return *app.Memo.Document;
}

void ReloadGuidance(App& app) {
    if (app.Memo.Loads == 0) return;
    GuidanceFile guidance =
        ReadGuidanceFile(GuidancePath(app.State.StartDirectory, app.CurrentLanguage()));
    if (!guidance.Document) {
        app.host().ShowMessage(guidance.Problem, MessageKind::Information);
        return;
    }
    TakeGuidance(app.Memo, std::move(*guidance.Document));
    const int n = app.State.CurrentSimulation;
    if (n != StartingUp && n != Closed) SelectGuidance(app.Memo, n, app.Window.Caption);
}

std::u32string MemoCharacters(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = lead < 0x80 || extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            const std::size_t at = i + static_cast<std::size_t>(k);
            ok = at < utf8.size() && (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80;
            if (ok) c = (c << 6) | (static_cast<unsigned char>(utf8[at]) & 0x3Fu);
        }
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string MemoCopyText(std::string_view memoText, char listSeparator) {
    std::string out;
    if (memoText.empty()) return out;
    out.reserve(memoText.size() + memoText.size() / 16 + 2);
    for (const char c : memoText) {
        if (c == '\n')
            out += "\r\n";
        else if (c == ';')
            out += listSeparator;
        else if (c != '\r')
            out += c;
    }
    out += "\r\n";
    return out;
}

std::string SelectedGuidance(const MemoModel& memo) {
    if (memo.SelLength <= 0 || memo.SelStart < 0 ||
        static_cast<std::size_t>(memo.SelStart) >= memo.Text.size())
        return {};
    const std::u32string_view rest =
        std::u32string_view(memo.Text).substr(static_cast<std::size_t>(memo.SelStart));
    const std::vector<std::u32string_view> lines = Paragraphs(rest);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool heading =
            i >= 2 && lines[i - 1].empty() && !lines[i].empty() && lines[i].back() == U':';
        if (heading) break;
        out += Utf8(lines[i]);
        out += '\n';
    }
    // The empty paragraphs before the next heading belong to no guidance.
    while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\n\n") == 0) out.pop_back();
    return out;
}

}  // namespace viv
