#include "windows/page_file.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace viv {

PrinterTarget::PrinterTarget(QPagedPaintDevice& device) : device_(device), canvas_(device) {}

bool PrinterTarget::NewPage() { return canvas_.IsActive() && device_.newPage(); }

namespace {

class PdfFile : public PageFile {
public:
    PdfFile(const std::string& path, bool landscape) : file_(QString::fromStdString(path)) {
        if (!file_.open(QIODevice::WriteOnly)) {
            error_ = file_.errorString().toStdString();
            return;
        }
        writer_ = std::make_unique<QPdfWriter>(&file_);
        writer_->setResolution(PdfResolution);
        writer_->setCreator(QStringLiteral("Vivarnon"));
        writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                           landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                           QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres,
                                                     PdfMarginMillimetres, PdfMarginMillimetres),
                                           QPageLayout::Millimeter));
        canvas_ = std::make_unique<VectorCanvas>(*writer_);
        if (!canvas_->IsActive()) error_ = "the PDF could not be started";
    }
    ~PdfFile() override {
        if (canvas_) canvas_->End();
        if (!committed_) file_.cancelWriting();
    }

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    TCanvas& Page() override { return *canvas_; }
    bool NewPage() override { return canvas_->IsActive() && writer_->newPage(); }
    bool Finish(std::string& error) override {
        canvas_->End();
        if (!file_.commit()) {
            error = file_.errorString().toStdString();
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<VectorCanvas> canvas_;
    std::string error_;
    bool committed_ = false;
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
    if (path.empty()) {
        buffer_ = std::make_unique<QBuffer>(&bytes_);
        generator_->setOutputDevice(buffer_.get());
    } else {
        file_ = std::make_unique<QSaveFile>(QString::fromStdString(path));
        if (!file_->open(QIODevice::WriteOnly)) {
            openError_ = file_->errorString().toStdString();
            return;
        }
        generator_->setOutputDevice(file_.get());
    }
    generator_->setSize(QSize(width, height));
    generator_->setViewBox(QRect(0, 0, width, height));
    generator_->setResolution(96);
    generator_->setTitle(QStringLiteral("Vivarnon"));
    canvas_ = std::make_unique<VectorCanvas>(*generator_);
    if (!canvas_->IsActive()) openError_ = "the SVG could not be started";
}

SvgFile::~SvgFile() {
    if (canvas_) canvas_->End();
    if (file_) file_->cancelWriting();
}

bool SvgFile::IsOpen() const { return openError_.empty() && canvas_ && canvas_->IsActive(); }

bool SvgFile::Finish(std::string& error) {
    if (!IsOpen()) {
        error = openError_;
        return false;
    }
    canvas_->End();
    if (file_ && !file_->commit()) {
        error = file_->errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace viv
