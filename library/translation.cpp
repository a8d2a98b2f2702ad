// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/translation.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "library/regular_file.h"

namespace viv {

namespace {

constexpr std::uint32_t MoMagic = 0x950412de;
constexpr std::uint32_t MoMagicSwapped = 0xde120495;
constexpr std::size_t HeaderBytes = 28;  // magic, revision, count, two table offsets, hash

// Reads the file's 32-bit words in the byte order its magic number shows.
class MoWords {
public:
    explicit MoWords(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> At(std::size_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 4) return std::nullopt;
        std::uint32_t w = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const auto byte = static_cast<std::uint8_t>(bytes_[offset + k]);
            w |= static_cast<std::uint32_t>(byte) << (swapped_ ? 8 * (3 - k) : 8 * k);
        }
        return w;
    }
    void SetSwapped(bool swapped) { swapped_ = swapped; }

    // The string of the table entry at `entry` (length, offset), or none when it does not
    // lie wholly inside the file.
    std::optional<std::string_view> String(std::size_t entry) const {
        const auto length = At(entry);
        const auto offset = At(entry + 4);
        if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length)
            return std::nullopt;
        return bytes_.substr(*offset, *length);
    }

private:
    std::string_view bytes_;
    bool swapped_ = false;
};

// A letter of a word: ASCII letters and digits, and every byte of a UTF-8 sequence (æ, ø, å).
bool IsLetter(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x80 || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9');
}

// Whether a catalogue entry may stand for a piece of a longer text: two bytes or more,
// one of them a letter.
bool IsPiece(const std::string& text) {
    return text.size() >= 2 && std::any_of(text.begin(), text.end(), [](char c) {
               const auto b = static_cast<unsigned char>(c);
               return b >= 0x80 || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
           });
}

}  // namespace

bool Translation::Load(const std::string& path) {
    const FileBytes file = ReadRegularFile(path, MaxCatalogueBytes);
    if (file.Status != ReadStatus::Ok) {
        entries_.clear();
        IndexPieces();
        return false;
    }
    return LoadBytes(file.Bytes);
}

bool Translation::LoadBytes(std::string_view bytes) {
    entries_.clear();
    IndexPieces();
    if (bytes.size() < HeaderBytes) return false;
    MoWords words(bytes);
    const auto magic = words.At(0);
    if (magic != MoMagic && magic != MoMagicSwapped) return false;
    words.SetSwapped(magic == MoMagicSwapped);
    const auto revision = words.At(4);
    const auto count = words.At(8);
    const auto originals = words.At(12);
    const auto translations = words.At(16);
    if (!revision || (*revision >> 16) != 0 || !count || !originals || !translations) return false;
    // Each entry takes 8 bytes in each table: a count beyond the file is no catalogue.
    if (*count > bytes.size() / 16) return false;

    std::vector<std::pair<std::string, std::string>> entries;
    entries.reserve(*count);
    for (std::uint32_t k = 0; k < *count; ++k) {
        const auto original = words.String(std::size_t{*originals} + 8 * std::size_t{k});
        const auto translation = words.String(std::size_t{*translations} + 8 * std::size_t{k});
        if (!original || !translation) return false;
        // The header, plural forms (a NUL inside) and contexts (EOT inside) are not used.
        if (original->empty() || original->find('\0') != std::string_view::npos ||
            original->find('\x04') != std::string_view::npos || translation->empty())
            continue;
        entries.emplace_back(std::string(*original), std::string(*translation));
    }
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const auto& a, const auto& b) { return a.first == b.first; }),
                  entries.end());
    entries_ = std::move(entries);
    IndexPieces();
    return true;
}

void Translation::IndexPieces() {
    pieces_.assign(256, {});
    composed_.clear();
    for (const auto& entry : entries_)
        if (IsPiece(entry.first))
            pieces_[static_cast<std::uint8_t>(entry.first.front())].push_back(&entry);
    for (auto& list : pieces_)
        std::stable_sort(list.begin(), list.end(), [](const auto* a, const auto* b) {
            return a->first.size() > b->first.size();
        });
}

const std::pair<std::string, std::string>* Translation::Find(std::string_view text) const {
    const auto at = std::lower_bound(
        entries_.begin(), entries_.end(), text,
        [](const auto& entry, std::string_view t) { return std::string_view(entry.first) < t; });
    return at != entries_.end() && at->first == text ? &*at : nullptr;
}

std::string Translation::TranslatePieces(std::string_view text) const {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::pair<std::string, std::string>* match = nullptr;
        if (i == 0 || !IsLetter(text[i - 1]) || !IsLetter(text[i]))
            for (const auto* piece : pieces_[static_cast<std::uint8_t>(text[i])]) {
                const std::string& key = piece->first;
                if (text.compare(i, key.size(), key) != 0) continue;
                const std::size_t end = i + key.size();
                if (end < text.size() && IsLetter(text[end]) && IsLetter(key.back())) continue;
                match = piece;
                break;
            }
        if (match == nullptr) {
            out.push_back(text[i++]);
            continue;
        }
        out += match->second;
        i += match->first.size();
    }
    return out;
}

std::string_view Translation::Translate(std::string_view text) const {
    if (const auto* entry = Find(text)) return entry->second;
    if (entries_.empty() || text.empty()) return text;
    const auto cached = composed_.find(std::string(text));
    if (cached != composed_.end()) return cached->second;
    std::string translated = TranslatePieces(text);
    if (translated == text) return text;
    if (composed_.size() >= ComposedKept) composed_.clear();
    return composed_.emplace(std::string(text), std::move(translated)).first->second;
}

}  // namespace viv
