// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue: the start picture, which the core draws itself, and the rows the
// subjects add.
#include "app/catalogue.h"

#include "app/start_picture.h"

namespace viv {

namespace {

void DrawStart(App& app, Event code, bool /*clearFirst*/, TCanvas& canvas) {
    DrawStartPicture(app.Map, app.State.Rainbow, code, canvas);
}

}  // namespace

Catalogue::Catalogue() {
    entries_[StartPicture] = {.Number = StartPicture, .Draw = &DrawStart};
}

void Catalogue::Add(std::span<const CatalogueEntry> entries) {
    for (const CatalogueEntry& e : entries)
        if (e.Number > StartPicture && e.Number < Slots) entries_[e.Number] = e;
}

const CatalogueEntry* Catalogue::Find(std::uint16_t n) const {
    if (n >= Slots || entries_[n].Number == 0) return nullptr;
    return &entries_[n];
}

void SetIncidenceRange(App& app, int maximum) {
    app.State.IncidenceMax = maximum;
    app.State.IncidenceValue = (app.State.IncidenceMin + maximum) / 2;
}

}  // namespace viv
