// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Print jobs and vector files on Qt: a printer, a PDF file of printer pages and an SVG
// picture, each drawn through a VectorCanvas.
#pragma once

#include <QBuffer>
#include <memory>
#include <string>

#include "app/print_layout.h"
#include "library/canvas/vector_canvas.h"

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSvgGenerator;

namespace viv {

constexpr int PdfResolution = 600;          // dots per inch of a PDF page
constexpr double PdfMarginMillimetres = 5;  // the edge a printer cannot reach

// The pages of a printer or of any paged device; it is not owned.
class PrinterTarget : public PrintTarget {
public:
    explicit PrinterTarget(QPagedPaintDevice& device);
    bool IsActive() const { return canvas_.IsActive(); }
    TCanvas& Page() override { return canvas_; }
    bool NewPage() override;
    // Ends the job.
    void End() { canvas_.End(); }

private:
    QPagedPaintDevice& device_;
    VectorCanvas canvas_;
};

// A4 pages at 600 dpi, portrait or landscape, made in memory and written to `path` whole
// or not at all by Finish (an empty path: kept in memory only).
std::unique_ptr<PageFile> OpenPdfFile(const std::string& path, bool landscape, std::string& error);

// An SVG picture of width x height pixels, made in memory and written to `path` whole or
// not at all by Finish (only kept in memory when the path is empty: see SvgBytes).
class SvgFile : public PageFile {
public:
    SvgFile(const std::string& path, int width, int height);
    ~SvgFile() override;
    bool IsOpen() const;
    TCanvas& Page() override { return *canvas_; }
    bool NewPage() override { return false; }
    bool Finish(std::string& error) override;
    // The finished picture of an SVG kept in memory.
    const QByteArray& SvgBytes() const { return bytes_; }

private:
    std::string path_;
    QByteArray bytes_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QSvgGenerator> generator_;
    std::unique_ptr<VectorCanvas> canvas_;
    std::string openError_;
};

}  // namespace viv
