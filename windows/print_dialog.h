// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// "Udskriv graf": the dialog in which the user chooses the size of the printed picture,
// the copies, the orientation, the title and whether the table goes under the picture;
// and the "&Filer" menu's printing and copying on Qt.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "app/print_layout.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace viv {

class App;

class PrintDialog : public QDialog {
    Q_OBJECT

public:
    // `tableEnabled`: the main window's "Udskriv &Tabel" is enabled. `help` opens the help
    // on printing.
    PrintDialog(App& app, QPrinter& printer, int copies, bool tableEnabled,
                std::function<void()> help, QWidget* parent = nullptr);

    // The choice, valid once the dialog ended with OK.
    int PrintWidth() const { return printWidth_; }
    int PrintHeight() const { return printHeight_; }
    int Copies() const;

    // The page and the sizes the dialog shows now.
    const PrintSizes& Sizes() const { return sizes_; }

    // Named as the window's event handlers.
    void PrintSizeChanged();
    void PortraitClicked();
    void LandscapeClicked();
    void PrintersetupButtonClick();
    void HelpButtonClick();
    void OKButtonClick();

private:
    // The controls' and the buttons' handlers.
    void ConnectHandlers(QPushButton* setup, QDialogButtonBox* buttons);
    // The fields as the dialog opens (its FormCreate).
    void StartValues(int copies, bool tableEnabled);
    void ComputePrintSizes();
    void OrientationFromPrinter();

    App& app_;
    QPrinter& printer_;
    std::function<void()> help_;
    PrintSizes sizes_;
    int printWidth_ = 0;
    int printHeight_ = 0;

    QComboBox* printSize_;
    QLineEdit* heightEdit_;  // height
    QLineEdit* widthEdit_;   // width
    QLabel* heightUnit_;
    QLabel* widthUnit_;
    QSpinBox* copies_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QCheckBox* withTable_;
    QLineEdit* titleEdit_;
};

// The "&Filer" menu's commands on a printer and the clipboard. The printer, its
// orientation and the number of copies stay as the user left them for the whole run.
class PrintCommands {
public:
    // `sync` shows the model in the window; `help` opens the help at a topic.
    PrintCommands(App& app, QWidget* window, std::function<void()> sync,
                  std::function<void(const char* topic)> help);
    ~PrintCommands();
    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    void PrintPicture();      // "Udskriv &Graf..."
    void PrintDataLists();    // "Udskriv &Data"
    void CopyBitmap() const;  // "Kopi som &Bitmap"
    void CopyVectors();       // "Kopi som &Metafile"

    QPrinter& Printer() { return *printer_; }

private:
    // With no printer installed the pages go to a PDF file in the user's documents.
    void PrepareOutput();
    // A failed job is reported with `reason` (why a file was not written) after `failure`.
    void Report(bool ok, const char* failure, const std::string& reason);

    App& app_;
    QWidget* window_;
    std::function<void()> sync_;
    std::function<void(const char*)> help_;
    std::unique_ptr<QPrinter> printer_;
    int copies_ = 1;
};

}  // namespace viv
