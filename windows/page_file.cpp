// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/page_file.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "library/safe_save.h"

namespace viv {

PrinterTarget::PrinterTarget(QPagedPaintDevice& device) : device_(device), canvas_(device) {}

bool PrinterTarget::NewPage() {
    return canvas_.IsActive() && device_.newPage();
}

namespace {

// The pages go to memory; Finish writes them to the file whole or not at all.
class PdfFile : public PageFile {
public:
    PdfFile(const std::string& path, bool landscape) : path_(path), buffer_(&bytes_) {
        buffer_.open(QIODevice::WriteOnly);
        writer_ = std::make_unique<QPdfWriter>(&buffer_);
        writer_->setResolution(PdfResolution);
        writer_->setCreator(QStringLiteral("Vivarnon"));
        writer_->setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres, PdfMarginMillimetres,
                      PdfMarginMillimetres),
            QPageLayout::Millimeter));
        canvas_ = std::make_unique<VectorCanvas>(*writer_);
        if (!canvas_->IsActive()) error_ = "PDF-filen kunne ikke påbegyndes";
    }
    ~PdfFile() override {
        if (canvas_) canvas_->End();
    }

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    TCanvas& Page() override { return *canvas_; }
    bool NewPage() override { return canvas_->IsActive() && writer_->newPage(); }
    bool Finish(std::string& error) override {
        canvas_->End();
        if (path_.empty()) return true;  // kept in memory only
        const SaveResult saved = SaveFileWhole(
            path_, std::string_view(bytes_.constData(), static_cast<std::size_t>(bytes_.size())));
        error = saved.Reason;
        return saved.Ok;
    }

private:
    std::string path_;
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<VectorCanvas> canvas_;
    std::string error_;
};

}  // namespace

std::unique_ptr<PageFile> OpenPdfFile(const std::string& path, bool landscape, std::string& error) {
    auto pdf = std::make_unique<PdfFile>(path, landscape);
    if (!pdf->Ok()) {
        error = pdf->Error();
        return nullptr;
    }
    return pdf;
}

SvgFile::SvgFile(const std::string& path, int width, int height) : path_(path) {
    generator_ = std::make_unique<QSvgGenerator>();
    buffer_ = std::make_unique<QBuffer>(&bytes_);
    generator_->setOutputDevice(buffer_.get());
    generator_->setSize(QSize(width, height));
    generator_->setViewBox(QRect(0, 0, width, height));
    generator_->setResolution(96);
    generator_->setTitle(QStringLiteral("Vivarnon"));
    canvas_ = std::make_unique<VectorCanvas>(*generator_);
    if (!canvas_->IsActive()) openError_ = "SVG-filen kunne ikke påbegyndes";
}

SvgFile::~SvgFile() {
    if (canvas_) canvas_->End();
}

bool SvgFile::IsOpen() const {
    return openError_.empty() && canvas_ && canvas_->IsActive();
}

bool SvgFile::Finish(std::string& error) {
    if (!IsOpen()) {
        error = openError_;
        return false;
    }
    canvas_->End();
    if (path_.empty()) return true;
    const SaveResult saved = SaveFileWhole(
        path_, std::string_view(bytes_.constData(), static_cast<std::size_t>(bytes_.size())));
    error = saved.Reason;
    return saved.Ok;
}

}  // namespace viv
