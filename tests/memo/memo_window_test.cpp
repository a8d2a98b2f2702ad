// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The memo window: its menu, the copy, print and save of its text, the rich text through
// the text widget, and the selection the main window asks for.
#include "windows/memo_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "app/memo_text.h"
#include "library/rtf_reader.h"
#include "library/rtf_writer.h"
#include "test_host.h"
#include "windows/rich_text.h"

namespace viv {
namespace {

QAction* Item(MemoWindow& form, const QString& caption) {
    for (QAction* top : form.MainMenu()->actions()) {
        if (top->menu() == nullptr) continue;
        for (QAction* a : top->menu()->actions())
            if (a->text() == caption) return a;
    }
    return nullptr;
}

class MemoForm : public ::testing::Test {
protected:
    test::StartedApp started{VIV_SOURCE_DIR "/data"};
    App& app = started.app;
    MemoWindow form{app};
    QTextEdit* edit = form.TextView();

    void SetText(const QString& text) {
        edit->setPlainText(text);
        form.SyncFromModel();
    }
    std::string Copied() {
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        form.CopyAll();
        return QGuiApplication::clipboard()->text().toStdString();
    }
};

TEST_F(MemoForm, OpensWithTheGuidanceAtTheStart) {
    EXPECT_TRUE(started.host.messages.empty());
    EXPECT_TRUE(app.Memo.Visible);
    EXPECT_EQ(form.windowTitle(), "Memo");
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_GT(app.Memo.Text.size(), 20000u);
    EXPECT_EQ(app.Memo.Text, MemoCharacters(edit->toPlainText().toStdString()));
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(MemoForm, TheMenuHoldsItsItemsInOrder) {
    ASSERT_EQ(form.MainMenu()->actions().size(), 1);
    QAction* rediger = form.MainMenu()->actions().front();
    EXPECT_EQ(rediger->text(), "&Rediger");
    EXPECT_EQ(rediger->data().toString(), "Udskriv, kopi, klip,...");
    QStringList captions;
    for (QAction* a : rediger->menu()->actions()) captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions, (QStringList{"&Altid øverst", "Kl&ip", "&Marker alt", "&Kopi", "-",
                                     "&Udskriv", "&Gem", "-", "&Luk"}));
    EXPECT_EQ(Item(form, "Kl&ip")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(Item(form, "&Kopi")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_FALSE(Item(form, "&Gem")->isVisible());
    EXPECT_EQ(Item(form, "&Luk")->data().toString(), "Memoen vises ikke");
    EXPECT_EQ(Item(form, "&Marker alt")->data().toString(),
              "Markerer al tekst i memoen, bruges fx før kopiering til klippebord");
    // The menu's hints go to the main window's status line.
    emit rediger->menu()->hovered(Item(form, "&Udskriv"));
    EXPECT_EQ(app.Window.StatusCaption, "    Udskriver al tekst i memoen på printer");
}

TEST_F(MemoForm, AlwaysOnTopSwitchesBackAndForth) {
    form.ToggleAlwaysOnTop();
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(form.Altidverst1()->isChecked());
    form.ToggleAlwaysOnTop();
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.Altidverst1()->isChecked());
}

TEST_F(MemoForm, CopyTakesTheWholeTextWithTheListSeparator) {
    app.State.ListSeparator = '\t';
    SetText(QStringLiteral("farve;n;v\nrød;1.331;42.4\n\nslut"));
    QTextCursor c = edit->textCursor();
    c.setPosition(2);
    c.setPosition(4, QTextCursor::KeepAnchor);  // a selection does not narrow the copy
    edit->setTextCursor(c);
    EXPECT_EQ(Copied(), "farve\tn\tv\r\nrød\t1.331\t42.4\r\n\r\nslut\r\n");
    form.SelectAllText();
    EXPECT_EQ(edit->textCursor().selectedText().size(), edit->toPlainText().size());
    form.CutSelection();
    EXPECT_TRUE(edit->document()->isEmpty());
    EXPECT_TRUE(app.Memo.Text.empty());
    EXPECT_EQ(Copied(), "");
}

// Ctrl+C and Ctrl+X run the memo's menu items, not the text widget's copy and cut, and
// no window's key of the same name; the main window's keys pass the text by.
TEST_F(MemoForm, CtrlCAndCtrlXAreTheMenusNotTheTextWidgets) {
    const auto overridden = [this](int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
        override.ignore();
        QApplication::sendEvent(edit, &override);
        return override.isAccepted();
    };
    EXPECT_TRUE(overridden(Qt::Key_C, Qt::ControlModifier));
    EXPECT_TRUE(overridden(Qt::Key_X, Qt::ControlModifier));
    EXPECT_TRUE(overridden(Qt::Key_A, Qt::ControlModifier));  // select all stays the text widget's
    for (const int key : {int(Qt::Key_F2), int(Qt::Key_F6)})
        EXPECT_FALSE(overridden(key, Qt::NoModifier)) << key;
    EXPECT_FALSE(
        overridden(Qt::Key_K, Qt::ControlModifier));  // not the text's delete to the line's end

    SetText(QStringLiteral("to linjer\nslut"));
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(edit, &copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "to linjer\r\nslut\r\n");
}

TEST_F(MemoForm, AnEmptyMemoIsNotPrinted) {
    SetText(QString());
    form.PrintText();
    ASSERT_EQ(started.host.messages.size(), 1u);
    EXPECT_EQ(started.host.messages[0].first, "Tom memo udskrives ikke");
}

TEST_F(MemoForm, PrintsAndSavesTheText) {
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("memo.pdf"));
    EXPECT_TRUE(form.PrintOn(printer));
    EXPECT_EQ(printer.docName(), "Vivarnon: Memo");
    EXPECT_GT(QFile(dir.filePath("memo.pdf")).size(), 10000);

    SetText(QStringLiteral("Øvelser; æble\nål"));
    ASSERT_TRUE(form.SaveAs(dir.filePath("Ovelser.rtf")));
    QFile saved(dir.filePath("Ovelser.rtf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const RtfReadResult back = ReadRtf(saved.readAll().toStdString());
    EXPECT_TRUE(back.Complete);
    EXPECT_EQ(back.Document.PlainText(), "Øvelser; æble\nål");
    // A folder that does not exist: nothing is written and the save says so.
    EXPECT_FALSE(form.SaveAs(dir.filePath("nowhere/Ovelser.rtf")));
}

TEST_F(MemoForm, LukAndClosingHideTheWindowOnly) {
    form.show();
    form.CloseMemo();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(app.Memo.Visible);
    app.ShowMemoClick();
    form.SyncFromModel();
    EXPECT_TRUE(form.isVisible());
    form.close();
    EXPECT_FALSE(app.Memo.Visible);
}

TEST_F(MemoForm, ChoosingASimulationSelectsItsGuidance) {
    form.show();
    for (const std::uint16_t n : {7, 2, 38}) {
        app.MenuEntry(n);
        form.SyncFromModel();
        EXPECT_EQ(edit->textCursor().selectedText().toStdString(), app.Window.Caption) << n;
        // The heading's paragraph ends in ":" right after the selection.
        QTextCursor after = edit->textCursor();
        after.setPosition(after.selectionEnd());
        after.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor);
        EXPECT_EQ(after.selectedText(), ":") << n;
    }
    // Edited text keeps the positions right.
    QTextCursor start(edit->document());
    start.insertText(QStringLiteral("Egne noter 😉\n"));
    app.MenuEntry(7);
    form.SyncFromModel();
    EXPECT_EQ(edit->textCursor().selectedText(), "Spredning i en dråbe");
}

TEST(RichText, TheTextWidgetKeepsTextAndFormatting) {
    RtfDocument d;
    d.Fonts = {"Arial", "Times New Roman"};
    d.Colours = {RtfColour{0, 0, 0, true}, RtfColour{200, 10, 20, false}};
    RtfCharFormat heading{true, false, false, 28, 0, 0};
    RtfCharFormat body{false, false, false, 20, 1, 0};
    RtfCharFormat fancy{false, true, true, 20, 1, 1};
    d.Paragraphs.push_back({{{"Alexanders bånd:", heading}}, RtfAlignment::Centre, 240, 120});
    d.Paragraphs.push_back(
        {{{"Æ Ø Å æ ø å; λ\t", body}, {"kursiv\u2028linje", fancy}}, RtfAlignment::Justify});
    d.Paragraphs.push_back({{}, RtfAlignment::Left});
    d.Paragraphs.push_back({{{"Højre", body}}, RtfAlignment::Right});
    QTextDocument text;
    FillTextDocument(d, text);
    EXPECT_EQ(text.blockCount(), 4);
    EXPECT_EQ(FromTextDocument(text), d);
    // Through the writer and the reader as well.
    QTextDocument again;
    FillTextDocument(ReadRtf(WriteRtf(FromTextDocument(text))).Document, again);
    EXPECT_EQ(FromTextDocument(again), d);
    EXPECT_EQ(again.toPlainText(), text.toPlainText());
}

}  // namespace
}  // namespace viv
