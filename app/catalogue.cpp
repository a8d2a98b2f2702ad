// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue: the start picture, which the core draws itself, and the rows the
// subjects add.
#include "app/catalogue.h"

#include "app/start_picture.h"

namespace viv {

namespace {

void DrawStart(Scene& scene, Event code, bool /*clearFirst*/, TCanvas& canvas) {
    DrawStartPicture(scene.Map, scene.State.Rainbow, code, canvas);
}

}  // namespace

Catalogue::Catalogue() : entries_(StartPicture + 1) {
    entries_[StartPicture] = {.Number = StartPicture, .Draw = &DrawStart};
}

void Catalogue::Add(std::span<const CatalogueEntry> entries) {
    for (const CatalogueEntry& e : entries) {
        if (e.Number <= StartPicture || e.Number >= LeavingStartPicture) continue;
        if (e.Number >= entries_.size()) entries_.resize(e.Number + 1u);
        entries_[e.Number] = e;
    }
}

const CatalogueEntry* Catalogue::Find(std::uint16_t n) const {
    if (n >= entries_.size() || entries_[n].Number == 0) return nullptr;
    return &entries_[n];
}

bool Catalogue::Has(long n) const {
    return n >= 0 && n < static_cast<long>(entries_.size()) &&
           Find(static_cast<std::uint16_t>(n)) != nullptr;
}

std::vector<std::uint16_t> Catalogue::Numbers() const {
    std::vector<std::uint16_t> numbers;
    for (const CatalogueEntry& e : entries_)
        if (e.Number != 0) numbers.push_back(e.Number);
    return numbers;
}

std::uint16_t Catalogue::Largest() const {
    return static_cast<std::uint16_t>(entries_.size() - 1);
}

std::string Catalogue::NumbersText(std::string_view except) const {
    std::string text = std::to_string(StartPicture) + ".." + std::to_string(Largest());
    std::string separator = ", " + std::string(except) + " ";
    for (std::uint16_t n = StartPicture; n < Largest(); ++n) {
        if (Find(n) != nullptr) continue;
        text += separator + std::to_string(n);
        separator = ", ";
    }
    return text;
}

void SetIncidenceRange(SharedState& state, int maximum) {
    state.IncidenceMax = maximum;
    state.IncidenceValue = (state.IncidenceMin + maximum) / 2;
}

}  // namespace viv
