// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Picture texts at classroom sizes: each lies whole inside the picture, on nothing else
// that is drawn and apart from every other text.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/window_model.h"
#include "library/canvas/raster_canvas.h"
#include "scripted_app.h"

namespace viv {
namespace {

struct Layout {
    std::vector<WrittenText> texts;
    QImage whole;
    QImage beneath;  // the picture drawn without its texts
};

Layout LayoutOf(const std::string& setUp) {
    test::Scripted s;
    EXPECT_EQ(s.Run(setUp), 0) << setUp << s.err.str();
    auto& picture = static_cast<RasterCanvas&>(*s.app.Image);
    Layout layout;
    std::vector<WrittenText> hidden;
    picture.LogTexts(&layout.texts);
    s.app.RedrawPicture();
    layout.whole = picture.Image().copy();
    picture.LogTexts(&hidden, true);
    s.app.RedrawPicture();
    picture.LogTexts(nullptr);
    layout.beneath = picture.Image().copy();
    return layout;
}

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The protractor's numbers (2 and 4) may lie on the ray whose angle they read.
bool ReadsARay(int simulation, const std::string& text) {
    return (simulation == 2 || simulation == 4) &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// What is wrong with the texts of one picture, a line each; empty when nothing is. The
// texts on figures are framed in magenta in `whole`.
std::string Collisions(int simulation, Layout& layout) {
    std::string found;
    const QImage& p = layout.beneath;
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const WrittenText& t = layout.texts[i];
        const TRect& r = t.ink;
        if (r.Left < 0 || r.Top < 0 || r.Right > p.width() || r.Bottom > p.height()) {
            found += "  \"" + t.text + "\" is cut at the picture's edge\n";
            continue;
        }
        for (std::size_t j = i + 1; j < layout.texts.size(); ++j)
            if (Overlap(r, layout.texts[j].ink))
                found += "  \"" + t.text + "\" overlaps \"" + layout.texts[j].text + "\"\n";
        const QRgb ground = p.pixel(r.Left, r.Top);
        bool plain = true;
        for (int y = r.Top; y < r.Bottom && plain; ++y)
            for (int x = r.Left; x < r.Right && plain; ++x) plain = p.pixel(x, y) == ground;
        if (plain || ReadsARay(simulation, t.text)) continue;
        found += "  \"" + t.text + "\" lies on a drawn figure\n";
        for (int x = r.Left; x < r.Right; ++x) {
            layout.whole.setPixel(x, r.Top, 0xFFFF00FF);
            layout.whole.setPixel(x, r.Bottom - 1, 0xFFFF00FF);
        }
    }
    return found;
}

// Every simulation as it starts and with every function key it shows pressed once, at a
// small window's picture, a laptop's and a projector's, zoomed and for a presentation.
// With VIV_TEXT_DIR set, each faulty picture is saved there with its faults framed.
TEST(PictureTexts, LieApartAndInsideThePictureAtEverySize) {
    const char* const views[] = {"size 640 420\n",           "size 1024 700\n",
                                 "size 1920 1080\n",         "size 1024 700\nzoom 1.5\n",
                                 "size 1920 1080\nzoom 2\n", "size 1920 1080\npresent on\n"};
    const char* const saveTo = std::getenv("VIV_TEXT_DIR");
    int saved = 0;
    for (int n = 2; n <= 43; ++n) {
        if (n == 13) continue;
        const Buttons shown = AllSimulations().Find(static_cast<std::uint16_t>(n))->Shown;
        std::string keys;
        for (const FKey key : AllFKeys)
            if (Shows(shown, ButtonOf(key)))
                keys += "key F" + std::to_string(static_cast<int>(key) + 2) + "\n";
        for (const char* view : views) {
            const std::string start = view + ("select " + std::to_string(n) + "\n");
            for (const std::string& setUp : {start, start + keys}) {
                Layout layout = LayoutOf(setUp);
                const std::string found = Collisions(n, layout);
                EXPECT_TRUE(found.empty()) << setUp << found;
                if (!found.empty() && saveTo != nullptr)
                    layout.whole.save(QString("%1/%2.png").arg(saveTo).arg(++saved));
            }
        }
    }
}

}  // namespace
}  // namespace viv
