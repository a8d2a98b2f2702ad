// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A print job of recorded pages, for tests of the page layouts.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/print_layout.h"
#include "recording_canvas.h"

namespace viv::test {

class RecordingPages : public PrintTarget {
public:
    RecordingPages(int width, int height, int acceptedPages = 1000)
        : width_(width), height_(height), accepted_(acceptedPages) {
        pages.push_back(std::make_unique<RecordingCanvas>(width_, height_));
    }
    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    std::function<void()> onPage;  // called whenever the job asks for the page

    TCanvas& Page() override {
        if (onPage) onPage();
        return *pages.back();
    }
    bool NewPage() override {
        if (static_cast<int>(pages.size()) >= accepted_) return false;
        pages.push_back(std::make_unique<RecordingCanvas>(width_, height_));
        return true;
    }
    // The texts of page k (0-based).
    std::vector<Figure> Texts(std::size_t k) const { return pages[k]->Of("text"); }

private:
    int width_, height_, accepted_;
};

}  // namespace viv::test
