// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The print dialog's fields and their checks, and the copies the "&Filer" menu puts on
// the clipboard.
#include "windows/print_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextBrowser>

#include "test_host.h"
#include "windows/help_window.h"

namespace viv {
namespace {

using test::StartedApp;

struct DialogFixture : ::testing::Test {
    StartedApp s;
    QPrinter printer{QPrinter::HighResolution};
    void SetUp() override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setPageOrientation(QPageLayout::Portrait);
        s.app.MenuEntry(7);
        s.app.Map.PrintOffsetX = PrintOffset;  // as while "Udskriv &Graf..." runs
        s.app.Map.PrintOffsetY = PrintOffset;
    }
    template <class W>
    static W* Child(QWidget& dialog, const char* name) {
        W* w = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(DialogFixture, StartsWithThreeQuarterTrueScaleAndThePagesLimits) {
    s.app.State.PrintTitle = "7.a";
    s.app.State.PrintTableToo = true;
    PrintDialog dialog(s.app, printer, 3, true, {});
    EXPECT_EQ(dialog.windowTitle(), "Udskriv graf");
    auto* combo = Child<QComboBox>(dialog, "PrintSize");
    EXPECT_EQ(combo->currentIndex(), DefaultPrintSize);
    EXPECT_EQ(combo->count(), 9);
    EXPECT_EQ(combo->itemText(4), " 25%");
    const PrintSizes want =
        ComputePrintSizes(s.app.Map, printer.width(), printer.height(), DefaultPrintSize);
    EXPECT_EQ(Child<QLabel>(dialog, "PrintWidthUnit")->text().toStdString(), want.LabelX);
    EXPECT_EQ(Child<QLabel>(dialog, "PrintHeightUnit")->text().toStdString(), want.LabelY);
    EXPECT_EQ(Child<QLineEdit>(dialog, "PrintWidthEdit")->text().toInt(), *want.Width);
    EXPECT_EQ(Child<QLineEdit>(dialog, "PrintHeightEdit")->text().toInt(), *want.Height);
    EXPECT_FALSE(Child<QLineEdit>(dialog, "PrintHeightEdit")->isEnabled());
    EXPECT_EQ(dialog.Copies(), 3);
    EXPECT_EQ(Child<QLineEdit>(dialog, "TitleEdit")->text(), "7.a");
    EXPECT_TRUE(Child<QCheckBox>(dialog, "PrintTableToo")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(dialog, "Portrait")->isChecked());

    PrintDialog noTable(s.app, printer, 1, false, {});
    EXPECT_FALSE(Child<QCheckBox>(noTable, "PrintTableToo")->isEnabled());
}

TEST_F(DialogFixture, AHeightOf150KeepsTheDialogOpenAndAGoodSizeCloses) {
    PrintDialog dialog(s.app, printer, 1, true, {});
    dialog.show();
    Child<QComboBox>(dialog, "PrintSize")->setCurrentIndex(UserDefinedSize);
    auto* height = Child<QLineEdit>(dialog, "PrintHeightEdit");
    auto* width = Child<QLineEdit>(dialog, "PrintWidthEdit");
    EXPECT_TRUE(height->isEnabled());
    height->setText("150");
    width->setText("1000");
    dialog.OKButtonClick();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    height->setText("1000");
    width->setText(QString::number(dialog.Sizes().MaxPrintWidth + 1));
    dialog.OKButtonClick();
    EXPECT_TRUE(dialog.isVisible());
    width->setText("1500");
    Child<QLineEdit>(dialog, "TitleEdit")->setText("Klasse 2.b");
    Child<QCheckBox>(dialog, "PrintTableToo")->setChecked(true);
    dialog.OKButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.PrintHeight(), 1000);
    EXPECT_EQ(dialog.PrintWidth(), 1500);
    EXPECT_EQ(s.app.State.PrintTitle, "Klasse 2.b");
    EXPECT_TRUE(s.app.State.PrintTableToo);
}

TEST_F(DialogFixture, LandscapeTurnsThePage) {
    PrintDialog dialog(s.app, printer, 1, true, {});
    const PrintSizes portrait = dialog.Sizes();
    Child<QRadioButton>(dialog, "Landscape")->click();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GT(dialog.Sizes().MaxPrintWidth, portrait.MaxPrintWidth);
    EXPECT_LT(dialog.Sizes().MaxPrintHeight, portrait.MaxPrintHeight);
    Child<QRadioButton>(dialog, "Portrait")->click();
    EXPECT_EQ(dialog.Sizes().MaxPrintWidth, portrait.MaxPrintWidth);
}

TEST_F(DialogFixture, HelpAsksForThePrintingTopic) {
    int asked = 0;
    PrintDialog dialog(s.app, printer, 1, true, [&] { ++asked; });
    Child<QPushButton>(dialog, "HelpButton")->click();
    EXPECT_EQ(asked, 1);
}

TEST(FilerCopies, BitmapIsTheScreenPictureAndMetafileAnSvgOfTheSameFigures) {
    StartedApp s;
    s.app.MenuEntry(7);
    int syncs = 0;
    PrintCommands commands(
        s.app, nullptr, [&] { ++syncs; }, [](const char*) {});
    commands.CopyBitmap();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              s.picture().Image().convertToFormat(QImage::Format_RGB32));

    const QImage before = s.picture().Image().copy();
    commands.CopyVectors();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    QSvgRenderer svg(data->data("image/svg+xml"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox().size(), before.size());
    // And the picture as an image (PNG) for the programs that take no vectors.
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
              before.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(s.picture().Image(), before);  // redrawn exactly
    EXPECT_GE(syncs, 1);
}

TEST(HelpWindow, OpensTheDocumentAtATopicAndReportsAMissingOne) {
    test::TestHost host;
    HelpWindow help(host, VIV_SOURCE_DIR "/data");
    ASSERT_TRUE(help.ShowTopic("udskriv"));
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.screen()->availableGeometry().contains(help.frameGeometry()))
        << help.frameGeometry().width();
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Udskriv graf"));
    EXPECT_EQ(help.windowTitle(), "Vivarnon - hjælp");
    // After a change of language the next topic comes from the English document.
    ASSERT_TRUE(help.ShowTopic("udskriv", Language::English));
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Print graph"));
    EXPECT_EQ(help.windowTitle(), "Vivarnon - help");
    EXPECT_TRUE(host.messages.empty());

    // Beside neither the start directory nor the program (the tests' own folder).
    if (FindHelpFile("/nonexistent-vivarnon-dir").isEmpty()) {
        HelpWindow missing(host, "/nonexistent-vivarnon-dir");
        EXPECT_FALSE(missing.ShowTopic(""));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].first, "Vivarnon.html ikke fundet");
        EXPECT_FALSE(missing.isVisible());
        EXPECT_FALSE(missing.ShowTopic("", Language::English));
        EXPECT_EQ(host.messages.back().first, "Vivarnon.en.html ikke fundet");
    }
}

}  // namespace
}  // namespace viv
