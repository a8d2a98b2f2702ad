// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the pages of a print job go: to the printer, or, when the printer writes a PDF file
// (printing to a file), to a PDF of the same pages made in memory, which replaces the file
// whole once the job is done and is not written at all when it failed.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <memory>
#include <string>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace viv {

class PrinterOutput {
public:
    explicit PrinterOutput(QPrinter& printer);
    ~PrinterOutput();
    PrinterOutput(const PrinterOutput&) = delete;
    PrinterOutput& operator=(const PrinterOutput&) = delete;

    // The device to draw the pages on (the printer itself, or the PDF in memory).
    QPagedPaintDevice& Device();
    bool ToFile() const { return writer_ != nullptr; }

    // Ends the job after every painter on Device() has ended. `drawn` tells whether all
    // pages were drawn; only then is a file written. False with a reason in Danish (empty
    // when only the drawing failed) when the job or the file failed.
    bool Finish(bool drawn, std::string& reason);

private:
    QPrinter& printer_;
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace viv
