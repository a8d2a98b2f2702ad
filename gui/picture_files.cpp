// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/picture_files.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cctype>

#include "app/app.h"
#include "app/print_layout.h"
#include "app/table_csv.h"
#include "library/canvas/raster_canvas.h"
#include "library/canvas/reduced_picture.h"
#include "library/canvas/vector_canvas.h"
#include "library/safe_save.h"
#include "windows/page_file.h"

namespace viv {

namespace {

constexpr int kScreenDpi = 96;  // one picture pixel is 1/96 inch on the page
// Qt's PNG "quality" q sets zlib's level (100 - q) * 9 / 91: 85 gives level 1, three times
// quicker than the default level for files a tenth larger.
constexpr int kPngQuality = 85;

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The picture drawn anew on a vector canvas of its size, as the metafile copy draws it,
// over a white page; the screen picture is redrawn after.
void DrawOnWhitePage(App& app, TCanvas& canvas, int width, int height) {
    canvas.Brush.Color = clWhite;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(TRect{0, 0, width, height});
    DrawVectorCopy(app, canvas);
}

// Writes what `write` puts into a buffer to `path`, whole or not at all.
template <class Write>
bool WriteWhole(const std::string& path, std::string& error, Write&& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        if (error.empty()) error = "Filen kunne ikke skrives";
        return false;
    }
    const QByteArray& bytes = buffer.data();
    return SaveBytes(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}

}  // namespace

PictureFormat PictureFormatOf(std::string_view path) {
    const std::string name = Lower(path);
    if (EndsWith(name, ".png")) return PictureFormat::Png;
    if (EndsWith(name, ".svg")) return PictureFormat::Svg;
    if (EndsWith(name, ".pdf")) return PictureFormat::Pdf;
    return PictureFormat::Unknown;
}

namespace {
// The picture drawn as vectors on a PDF page of its own size, written to `path` whole.
bool SavePdf(App& app, const std::string& path, int width, int height, std::string& error) {
    // The page goes to memory first, then to the file whole.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        // With smooth drawing the page keeps the size of the picture as shown.
        const int scale = std::max(app.Window.DrawingScale, 1);
        pdf.setResolution(kScreenDpi * scale);
        pdf.setTitle(QString::fromStdString(app.Window.Caption));
        pdf.setCreator(QStringLiteral("Vivarnon"));
        // A page exactly the picture's size, 1/96 inch a pixel, without margins.
        const QPageSize page(
            QSizeF(width * 72.0 / (kScreenDpi * scale), height * 72.0 / (kScreenDpi * scale)),
            QPageSize::Point, QString(), QPageSize::ExactMatch);
        pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        VectorCanvas canvas(pdf);
        DrawOnWhitePage(app, canvas, width, height);
        canvas.End();
    }
    const QByteArray& bytes = buffer.data();
    return SaveBytes(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}
}  // namespace

bool SavePicture(App& app, const std::string& path, std::string& error) {
    error.clear();
    app.ShowPicture();
    if (app.Image == nullptr) {
        error = "there is no picture";
        return false;
    }
    const int width = app.Image->Width(), height = app.Image->Height();
    switch (PictureFormatOf(path)) {
        case PictureFormat::Png: {
            const auto* raster = dynamic_cast<const RasterCanvas*>(app.Image.get());
            if (raster == nullptr) {
                error = "the picture is not a raster picture";
                return false;
            }
            return WriteWhole(path, error, [&](QBuffer& buffer) {
                const QImage shown = ShownImage(*raster, app.Window.DrawingScale);
                if (shown.save(&buffer, "PNG", kPngQuality)) return true;
                error = "Billedet kunne ikke omsættes til PNG";
                return false;
            });
        }
        case PictureFormat::Svg: {
            SvgFile svg(path, width, height);
            if (!svg.IsOpen()) {
                svg.Finish(error);
                return false;
            }
            DrawOnWhitePage(app, svg.Page(), width, height);
            return svg.Finish(error);
        }
        case PictureFormat::Pdf:
            return SavePdf(app, path, width, height, error);
        case PictureFormat::Unknown:
            break;
    }
    error = "the file name must end in .png, .svg or .pdf";
    return false;
}

bool SaveTable(const App& app, const std::string& path, std::string& error) {
    error.clear();
    return SaveBytes(
        path, TableCsv(app.ShownTable(), app.State.ListSeparator, app.State.DecimalSeparator),
        error);
}

bool SaveBytes(const std::string& path, std::string_view bytes, std::string& error) {
    const SaveResult saved = SaveFileWhole(path, bytes);
    error = saved.Reason;
    return saved.Ok;
}

}  // namespace viv
