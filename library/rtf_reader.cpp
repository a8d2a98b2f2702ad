// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace viv {

namespace {

// 0x80..0x9F of code page 1252; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr std::size_t kMaxDepth = 1000;     // deeper groups share the state of this depth
constexpr std::size_t kMaxWordLength = 32;  // letters of a control word
constexpr long long kMaxParameter = 1'000'000'000;
constexpr std::size_t kMaxFonts = 4096;  // entries of the font table kept

// Where the text of a group goes.
enum class Destination : std::uint8_t { Text, FontTable, ColourTable, Skip };

constexpr int kMaxSpacing = 31680;  // twips: 22 inches, a page and more

struct GroupState {
    RtfCharFormat Format;
    RtfAlignment Alignment = RtfAlignment::Left;
    int SpaceBefore = 0, SpaceAfter = 0;  // twips
    Destination Dest = Destination::Text;
    int SkipAfterUnicode = 1;  // \ucN: fallback characters after \uN
};

// Control words that stand for one character of the text.
struct SymbolWord {
    std::string_view word;
    char32_t character;
};
constexpr std::array<SymbolWord, 9> kSymbolWords{{{"line", U'\u2028'},
                                                  {"tab", U'\t'},
                                                  {"emdash", U'\u2014'},
                                                  {"endash", U'\u2013'},
                                                  {"bullet", U'\u2022'},
                                                  {"lquote", U'\u2018'},
                                                  {"rquote", U'\u2019'},
                                                  {"ldblquote", U'\u201C'},
                                                  {"rdblquote", U'\u201D'}}};

// Destinations whose text is no part of the document.
constexpr std::array<std::string_view, 30> kSkippedDestinations{"stylesheet",
                                                                "info",
                                                                "pict",
                                                                "object",
                                                                "header",
                                                                "headerl",
                                                                "headerr",
                                                                "headerf",
                                                                "footer",
                                                                "footerl",
                                                                "footerr",
                                                                "footerf",
                                                                "footnote",
                                                                "fldinst",
                                                                "listtable",
                                                                "listoverridetable",
                                                                "revtbl",
                                                                "rsidtbl",
                                                                "xmlnstbl",
                                                                "themedata",
                                                                "colorschememapping",
                                                                "latentstyles",
                                                                "datastore",
                                                                "filetbl",
                                                                "generator",
                                                                "annotation",
                                                                "atnid",
                                                                "atnauthor",
                                                                "bkmkstart",
                                                                "bkmkend"};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// Printable ASCII that stands for itself in the text (no group or control character).
bool IsPlain(char c) {
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}

    RtfReadResult Run() {
        RtfReadResult result;
        std::size_t start = 0;
        if (in_.substr(0, 3) == "\xEF\xBB\xBF") start = 3;
        while (start < in_.size() && (in_[start] == ' ' || in_[start] == '\r' ||
                                      in_[start] == '\n' || in_[start] == '\t'))
            ++start;
        if (in_.substr(start, 5) != "{\\rtf") return result;
        result.IsRtf = true;
        pos_ = start;
        result.Complete = Parse();
        FinishDocument();
        result.Document = std::move(doc_);
        return result;
    }

private:
    // Reads up to the closing brace of the outermost group; false if the input ends first.
    bool Parse() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                if (CloseGroup()) return true;
            } else if (c == '\\') {
                ControlSequence();
            } else if (c == '\t') {
                Text(U'\t');
            } else if (static_cast<unsigned char>(c) < 0x20) {
                // line ends in the file carry no meaning, nor do stray control bytes of a
                // damaged file
            } else if (IsPlain(c) && !stack_.empty() && State().Dest == Destination::Text) {
                // A stretch of plain text is taken whole, not character by character.
                const std::size_t begin = pos_ - 1;
                while (pos_ < in_.size() && IsPlain(in_[pos_])) ++pos_;
                PlainText(in_.substr(begin, pos_ - begin));
            } else {
                Byte(static_cast<unsigned char>(c));
            }
        }
        return false;
    }

    GroupState& State() { return stack_.back(); }

    void OpenGroup() {
        if (stack_.empty()) {
            stack_.emplace_back();
        } else if (stack_.size() < kMaxDepth) {
            stack_.push_back(stack_.back());
        } else {
            ++overflow_;
        }
        ignorableNext_ = false;
        newGroup_ = true;
    }

    // True when the outermost group closes.
    bool CloseGroup() {
        newGroup_ = false;
        ignorableNext_ = false;
        if (overflow_ > 0) {
            --overflow_;
            return false;
        }
        if (stack_.empty()) return true;
        const Destination closing = State().Dest;
        if (closing == Destination::FontTable) EndFontEntry();
        stack_.pop_back();
        return stack_.empty();
    }

    void ControlSequence() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        const std::size_t begin = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]) && pos_ - begin < kMaxWordLength) ++pos_;
        const std::string_view word = in_.substr(begin, pos_ - begin);
        while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;  // an overlong word is cut
        std::optional<long long> parameter;
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        if (pos_ < in_.size() && IsDigit(in_[pos_])) {
            long long value = 0;
            while (pos_ < in_.size() && IsDigit(in_[pos_])) {
                value = std::min(kMaxParameter, value * 10 + (in_[pos_] - '0'));
                ++pos_;
            }
            parameter = negative ? -value : value;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        ControlWord(word, parameter);
    }

    void ControlSymbol(char c) {
        switch (c) {
            case '\'': {
                // Two hex digits; an escape cut short by the end of the input is dropped.
                int value = 0, digits = 0;
                while (digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0) {
                    value = value * 16 + HexValue(in_[pos_++]);
                    ++digits;
                }
                if (digits == 2) Byte(static_cast<unsigned char>(value));
                break;
            }
            case '*':
                ignorableNext_ = newGroup_;
                return;  // the group's first control word decides
            case '~':
                Text(U'\u00A0');
                break;
            case '_':
                Text(U'\u2011');
                break;
            case '-':
                break;  // an optional hyphen
            case '\r':
            case '\n':
                EndParagraph();
                break;
            case '\\':
            case '{':
            case '}':
                Text(static_cast<char32_t>(c));
                break;
            default:
                break;
        }
        newGroup_ = false;
    }

    void ControlWord(std::string_view word, std::optional<long long> parameter) {
        const bool first = newGroup_;
        const bool ignorable = ignorableNext_;
        newGroup_ = false;
        ignorableNext_ = false;
        if (stack_.empty()) return;
        GroupState& s = State();
        const int value = static_cast<int>(parameter.value_or(1));
        if (word == "bin") {  // raw bytes follow
            const auto n = static_cast<std::size_t>(std::max(0LL, parameter.value_or(0)));
            pos_ += std::min(n, in_.size() - pos_);
            return;
        }
        if (s.Dest == Destination::Skip) return;

        if (word == "fonttbl") {
            s.Dest = Destination::FontTable;
            return;
        }
        if (word == "colortbl") {
            s.Dest = Destination::ColourTable;
            pendingColour_ = RtfColour{};
            return;
        }
        if (first && ignorable && word == "vivsim" && s.Dest == Destination::Text && parameter &&
            *parameter > 0 && *parameter <= 0xFFFF)
            paragraph_.SimulationMark = static_cast<int>(*parameter);
        if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
                kSkippedDestinations.end() ||
            (first && ignorable)) {
            s.Dest = Destination::Skip;
            return;
        }

        if (s.Dest == Destination::FontTable || s.Dest == Destination::ColourTable) {
            TableWord(s.Dest, word, value);
            return;
        }

        if (const auto* const symbol =
                std::find_if(kSymbolWords.begin(), kSymbolWords.end(),
                             [&](const SymbolWord& w) { return w.word == word; });
            symbol != kSymbolWords.end()) {
            Text(symbol->character);
            return;
        }
        if (word == "par") {
            EndParagraph();
        } else if (word == "u") {
            if (parameter) Unicode(*parameter);
        } else if (word == "deff") {
            defaultFont_ = value;
        } else {
            FormatWord(s, word, parameter);
        }
    }

    // A control word in the font table or the colour table.
    void TableWord(Destination table, std::string_view word, int value) {
        if (table == Destination::FontTable) {
            if (word == "f") {
                EndFontEntry();
                fontNumber_ = value;
            }
            return;
        }
        const auto level = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
        if (word == "red") pendingColour_.Red = level;
        if (word == "green") pendingColour_.Green = level;
        if (word == "blue") pendingColour_.Blue = level;
        colourGiven_ = colourGiven_ || word == "red" || word == "green" || word == "blue";
    }

    // A control word that sets the paragraph's or the characters' format.
    void FormatWord(GroupState& s, std::string_view word, std::optional<long long> parameter) {
        RtfCharFormat& f = s.Format;
        const int value = static_cast<int>(parameter.value_or(1));
        const bool on = !parameter || *parameter != 0;
        if (word == "pard") {
            s.Alignment = RtfAlignment::Left;
            s.SpaceBefore = s.SpaceAfter = 0;
        } else if (word == "sb") {
            s.SpaceBefore = std::clamp(value, 0, kMaxSpacing);
        } else if (word == "sa") {
            s.SpaceAfter = std::clamp(value, 0, kMaxSpacing);
        } else if (word == "plain") {
            f = RtfCharFormat{};
        } else if (word == "b") {
            f.Bold = on;
        } else if (word == "i") {
            f.Italic = on;
        } else if (word == "ul" || word == "ulnone") {
            f.Underline = on && word == "ul";
        } else if (word == "fs") {
            f.HalfPoints = parameter ? std::clamp(value, 2, 3276) : 24;
        } else if (word == "f") {
            f.Font = FontIndex(value);
        } else if (word == "cf") {
            f.Colour = std::max(0, value);
        } else if (const auto align = AlignmentOf(word)) {
            s.Alignment = *align;
        } else if (word == "uc") {
            s.SkipAfterUnicode = std::clamp(value, 0, 16);
        }
    }

    static std::optional<RtfAlignment> AlignmentOf(std::string_view word) {
        if (word == "ql") return RtfAlignment::Left;
        if (word == "qc") return RtfAlignment::Centre;
        if (word == "qr") return RtfAlignment::Right;
        if (word == "qj") return RtfAlignment::Justify;
        return std::nullopt;
    }

    // \uN: the character, then its fallback characters are passed over.
    void Unicode(long long n) {
        if (n < 0) n += 65536;
        auto unit = static_cast<char32_t>(std::clamp(n, 0LL, 65535LL));
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
            Text(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            highSurrogate_ = 0;
        } else {
            Text(unit);
        }
        SkipFallback(State().SkipAfterUnicode);
    }

    void SkipFallback(int count) {
        while (count > 0 && pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{' || c == '}') return;
            if (c == '\r' || c == '\n') {
                ++pos_;
                continue;
            }
            if (c == '\\') {
                if (pos_ + 1 < in_.size() && in_[pos_ + 1] == '\'') {
                    pos_ = std::min(in_.size(), pos_ + 4);
                } else if (pos_ + 1 < in_.size() && !IsLetter(in_[pos_ + 1])) {
                    pos_ += 2;
                } else {
                    return;  // a control word ends the fallback
                }
            } else {
                ++pos_;
            }
            --count;
        }
    }

    void Byte(unsigned char b) {
        newGroup_ = false;
        ignorableNext_ = false;
        if (stack_.empty()) return;
        switch (State().Dest) {
            case Destination::Skip:
                return;
            case Destination::FontTable:
                if (b == ';') {
                    EndFontEntry();
                } else if (b >= 0x20 && b != '{' && b != '}' && b != '\\') {
                    // No control characters or braces in a font's name (an escaped "\'7b"
                    // would make a name no rich-text file can hold).
                    AppendUtf8(fontName_, Cp1252ToUnicode(b));
                }
                return;
            case Destination::ColourTable:
                if (b == ';') {
                    pendingColour_.Automatic =
                        !colourGiven_;  // an empty entry: the automatic colour
                    doc_.Colours.push_back(pendingColour_);
                    pendingColour_ = RtfColour{};
                    colourGiven_ = false;
                }
                return;
            case Destination::Text:
                Text(Cp1252ToUnicode(b));
                return;
        }
    }

    void Text(char32_t c) {
        if (stack_.empty() || State().Dest != Destination::Text) return;
        if (c < 0x20 && c != U'\t') return;  // control characters have no place in the text
        const RtfCharFormat& f = State().Format;
        TakeParagraphFormat();
        if (paragraph_.Runs.empty() || !(paragraph_.Runs.back().Format == f))
            paragraph_.Runs.push_back(RtfRun{{}, f});
        AppendUtf8(paragraph_.Runs.back().Text, c);
        paragraphOpen_ = true;
    }

    // Characters of `text` all IsPlain, in a text destination: as Byte for each.
    void PlainText(std::string_view text) {
        newGroup_ = false;
        ignorableNext_ = false;
        const RtfCharFormat& f = State().Format;
        TakeParagraphFormat();
        if (paragraph_.Runs.empty() || !(paragraph_.Runs.back().Format == f))
            paragraph_.Runs.push_back(RtfRun{{}, f});
        paragraph_.Runs.back().Text.append(text);
        paragraphOpen_ = true;
    }

    void EndParagraph() {
        if (stack_.empty() || State().Dest != Destination::Text) return;
        TakeParagraphFormat();
        doc_.Paragraphs.push_back(std::move(paragraph_));
        paragraph_ = RtfParagraph{};
        paragraphOpen_ = false;
    }

    // The paragraph takes the formatting in force where its text or its end stands.
    void TakeParagraphFormat() {
        paragraph_.Alignment = State().Alignment;
        paragraph_.SpaceBefore = State().SpaceBefore;
        paragraph_.SpaceAfter = State().SpaceAfter;
    }

    void FinishDocument() {
        if (paragraphOpen_) doc_.Paragraphs.push_back(std::move(paragraph_));
        // Text without a font of its own has the default font, once the table is known;
        // font numbers that the table never named refer to no font.
        const int defaultFont = FontIndex(defaultFont_);
        for (RtfParagraph& p : doc_.Paragraphs)
            for (RtfRun& r : p.Runs)
                if (r.Format.Font < 0 || r.Format.Font >= static_cast<int>(doc_.Fonts.size()))
                    r.Format.Font = defaultFont;
        const int colours = static_cast<int>(doc_.Colours.size());
        for (RtfParagraph& p : doc_.Paragraphs)
            for (RtfRun& r : p.Runs)
                if (r.Format.Colour >= colours) r.Format.Colour = 0;
        // Runs that became alike are joined.
        for (RtfParagraph& p : doc_.Paragraphs) {
            std::vector<RtfRun> joined;
            for (RtfRun& r : p.Runs) {
                if (!joined.empty() && joined.back().Format == r.Format)
                    joined.back().Text += r.Text;
                else
                    joined.push_back(std::move(r));
            }
            p.Runs = std::move(joined);
        }
    }

    void EndFontEntry() {
        if (fontNumber_ < 0) return;
        std::string name = fontName_;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        while (!name.empty() && name.front() == ' ') name.erase(name.begin());
        const int index = FontIndex(fontNumber_, true);
        if (index >= 0) doc_.Fonts[static_cast<std::size_t>(index)] = name;
        fontNumber_ = -1;
        fontName_.clear();
    }

    // The document's index of font number `number`; -1 when the table has not named it.
    // Found in constant time: a text may name fonts at every other word.
    int FontIndex(int number, bool add = false) {
        if (const auto known = fontIndices_.find(number); known != fontIndices_.end())
            return known->second;
        if (!add || doc_.Fonts.size() >= kMaxFonts) return -1;
        const int index = static_cast<int>(doc_.Fonts.size());
        fontIndices_.emplace(number, index);
        doc_.Fonts.emplace_back();
        return index;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t overflow_ = 0;    // groups opened beyond kMaxDepth and not yet closed
    bool newGroup_ = false;       // nothing has come since the last "{"
    bool ignorableNext_ = false;  // "{\*" was read
    RtfDocument doc_;
    RtfParagraph paragraph_;
    bool paragraphOpen_ = false;
    char32_t highSurrogate_ = 0;
    int defaultFont_ = 0;
    std::unordered_map<int, int> fontIndices_;  // the file's font numbers: their index in Fonts
    int fontNumber_ = -1;                       // the font table entry being read
    std::string fontName_;
    RtfColour pendingColour_;
    bool colourGiven_ = false;  // the colour table entry being read named a level
};

}  // namespace

char32_t Cp1252ToUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t c = kCp1252High[b - 0x80];
        return c != 0 ? c : b;
    }
    return b;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

RtfReadResult ReadRtf(std::string_view bytes) {
    return Reader(bytes).Run();
}

std::string RtfDocument::PlainText() const {
    std::string out;
    for (std::size_t i = 0; i < Paragraphs.size(); ++i) {
        if (i > 0) out += '\n';
        for (const RtfRun& r : Paragraphs[i].Runs) {
            for (std::size_t k = 0; k < r.Text.size(); ++k) {
                if (r.Text.compare(k, 3, "\xE2\x80\xA8") == 0) {
                    out += '\n';
                    k += 2;
                } else {
                    out += r.Text[k];
                }
            }
        }
    }
    return out;
}

}  // namespace viv
