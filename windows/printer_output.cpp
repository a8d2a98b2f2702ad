// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/printer_output.h"

#include <QPdfWriter>
#include <QPrinter>
#include <string_view>

#include "library/safe_save.h"

namespace viv {

PrinterOutput::PrinterOutput(QPrinter& printer) : printer_(printer), buffer_(&bytes_) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) return;
    buffer_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setResolution(printer.resolution());
    writer_->setPageLayout(printer.pageLayout());
    writer_->setTitle(printer.docName());
    writer_->setCreator(printer.creator().isEmpty() ? QStringLiteral("Vivarnon")
                                                    : printer.creator());
}

PrinterOutput::~PrinterOutput() = default;

QPagedPaintDevice& PrinterOutput::Device() {
    if (writer_) return *writer_;
    return printer_;
}

bool PrinterOutput::Finish(bool drawn, std::string& reason) {
    reason.clear();
    if (!writer_) return drawn && printer_.printerState() != QPrinter::Error;
    if (!drawn) return false;
    const SaveResult saved = SaveFileWhole(
        printer_.outputFileName().toStdString(),
        std::string_view(bytes_.constData(), static_cast<std::size_t>(bytes_.size())));
    reason = saved.Reason;
    return saved.Ok;
}

}  // namespace viv
