// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A catalogue of translations read from a compiled gettext file (.mo, as msgfmt writes
// it): the program's Danish texts looked up, their translations given. Plain C++, so the
// core can translate what it writes without the windowing library.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace viv {

// The largest catalogue read. The program's English catalogue is some 100 kB; a file
// a hundred times larger is no catalogue of this program.
constexpr std::size_t MaxCatalogueBytes = 16u << 20;  // bytes

class Translation {
public:
    // Reads the catalogue at `path`. False, and an empty catalogue, when the file is
    // missing, too large or no catalogue.
    bool Load(const std::string& path);
    // The same from the file's bytes.
    bool LoadBytes(std::string_view bytes);

    // The translation of `text`: the catalogue's own where it has the whole text; else the
    // text with each piece the catalogue has put in its translation (the program builds
    // many texts from pieces and numbers: " bølgelængde/nm, " + "grøn"), longest pieces
    // first and never a piece inside a word; `text` itself where no piece is found. Use
    // the view before the next call: a text translated piece by piece is kept only for a
    // while.
    std::string_view Translate(std::string_view text) const;
    std::size_t Size() const { return entries_.size(); }

private:
    // Original and translation, sorted by the original. The header (empty original) and
    // entries with plural forms or a context are left out: the program uses neither.
    std::vector<std::pair<std::string, std::string>> entries_;
    // The entries that may stand for a piece of a longer text, by their first byte,
    // longest first.
    std::vector<std::vector<const std::pair<std::string, std::string>*>> pieces_;
    // The texts translated piece by piece lately (a picture's texts recur every frame);
    // emptied when it grows past ComposedKept, so numbers that change do not grow it for
    // ever.
    static constexpr std::size_t ComposedKept = 4096;
    mutable std::unordered_map<std::string, std::string> composed_;

    void IndexPieces();
    const std::pair<std::string, std::string>* Find(std::string_view text) const;
    std::string TranslatePieces(std::string_view text) const;
};

}  // namespace viv
