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

    // The translation of `text`; `text` itself where the catalogue has none.
    std::string_view Translate(std::string_view text) const;
    // Whether the catalogue has a translation of `text`.
    bool Has(std::string_view text) const;
    std::size_t Size() const { return entries_.size(); }

private:
    // Original and translation, sorted by the original. The header (empty original) and
    // entries with plural forms or a context are left out: the program uses neither.
    std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace viv
