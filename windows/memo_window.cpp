// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/memo_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/memo_text.h"
#include "library/rtf_writer.h"
#include "library/safe_save.h"
#include "windows/printer_output.h"
#include "windows/rich_text.h"
#include "windows/tool_window.h"

namespace viv {

namespace {

constexpr Qt::WindowFlags MemoWindowFlags = Qt::Tool | Qt::CustomizeWindowHint |
                                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                            Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

constexpr int TopOfWindow = 30;  // pixels below the screen's top: under a maximised title bar

// The memo's plain text in QTextDocument positions: one element per UTF-16 unit would
// count a character beyond the basic plane twice, so positions are mapped explicitly.
// The keys with which the main window steers the simulation.
bool IsMainWindowKey(const QKeySequence& key) {
    static const QKeySequence keys[] = {
        QKeySequence(Qt::Key_F2),           QKeySequence(Qt::Key_F3),
        QKeySequence(Qt::Key_F4),           QKeySequence(Qt::Key_F5),
        QKeySequence(Qt::Key_F6),           QKeySequence(Qt::CTRL | Qt::Key_K),
        QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_W),
    };
    return std::ranges::any_of(keys, [&](const QKeySequence& k) { return k == key; });
}

// The selection stays visible while another window has the focus.
void KeepSelectionVisible(QTextEdit& edit) {
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    edit.setPalette(palette);
}

int ToDocumentPosition(const std::u32string& text, int characters) {
    int position = 0;
    for (int i = 0; i < characters && static_cast<std::size_t>(i) < text.size(); ++i)
        position += text[static_cast<std::size_t>(i)] > 0xFFFF ? 2 : 1;
    return position;
}

}  // namespace

MemoWindow::MemoWindow(App& app, QWidget* parent)
    : QWidget(parent, MemoWindowFlags | Qt::WindowStaysOnTopHint), app_(app) {
    setObjectName(QStringLiteral("VMemoform"));
    setWindowTitle(QStringLiteral("Memo"));
    const QFont font = ToolWindowFont(FontPixelHeight);
    menu_ = SetUpToolWindow(this, font);
    BuildEditMenu();

    richEdit_ = new QTextEdit(this);
    richEdit_->setObjectName(QStringLiteral("MemoText"));
    richEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    richEdit_->setAcceptRichText(true);
    richEdit_->document()->setDefaultFont(font);
    KeepSelectionVisible(*richEdit_);
    richEdit_->viewport()->setMouseTracking(true);
    richEdit_->viewport()->installEventFilter(this);
    richEdit_->verticalScrollBar()->installEventFilter(this);
    richEdit_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(richEdit_);
    resize(StartWidth, StartHeight);

    // FormCreate: the guidance text, and the window shows while the program starts.
    MemoFormCreate(app_);
    ShowGuidance();
    connect(richEdit_, &QTextEdit::textChanged, this, &MemoWindow::TextChanged);
    selectionsShown_ = app_.Memo.SelectionRequests;
    ShowLanguage();
}

void MemoWindow::ShowGuidance() {
    loadsShown_ = app_.Memo.Loads;
    if (app_.Memo.Document)
        FillTextDocument(*app_.Memo.Document, *richEdit_->document());
    else
        richEdit_->document()->clear();
    richEdit_->document()->setModified(false);
    richEdit_->moveCursor(QTextCursor::Start);
    app_.Memo.Text = MemoCharacters(richEdit_->toPlainText().toStdString());
}

void MemoWindow::ShowLanguage() {
    shownLanguage_ = app_.CurrentLanguage();
    ShowMenuCaptions(*menu_, app_);
}

void MemoWindow::BuildEditMenu() {
    QMenu* rediger = AddHintedMenu(menu_, "&Rediger", "Udskriv, kopi, klip,...");
    alwaysOnTopItem_ =
        AddHintedItem(rediger, "&Altid øverst", "Skifter mellem altid øverst og normalt vindue");
    alwaysOnTopItem_->setCheckable(true);
    connect(alwaysOnTopItem_, &QAction::triggered, this, &MemoWindow::ToggleAlwaysOnTop);
    cutItem_ =
        AddHintedItem(rediger, "Kl&ip", "Klipper den markerede tekst ud til udklipsholderen");
    cutItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(cutItem_, &QAction::triggered, this, &MemoWindow::CutSelection);
    connect(AddHintedItem(rediger, "&Marker alt",
                          "Markerer al tekst i memoen, bruges fx før kopiering til klippebord"),
            &QAction::triggered, this, &MemoWindow::SelectAllText);
    copyItem_ = AddHintedItem(rediger, "&Kopi", "Kopierer hele memoens tekst til udklipsholderen");
    copyItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    // The memo's own keys work while the memo has the focus, also as a dock panel of the
    // main window, whose "Kopiér som billede" has the same key.
    for (QAction* own : {cutItem_, copyItem_}) {
        own->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(own);
    }
    connect(copyItem_, &QAction::triggered, this, &MemoWindow::CopyAll);
    rediger->addSeparator();
    printItem_ = AddHintedItem(rediger, "&Udskriv", "Udskriver al tekst i memoen på printer");
    connect(printItem_, &QAction::triggered, this, &MemoWindow::PrintText);
    saveItem_ = AddHintedItem(rediger, "&Gem", "Gemmer indholdet af memoen i filen Ovelser.txt");
    saveItem_->setVisible(false);
    connect(saveItem_, &QAction::triggered, this, &MemoWindow::SaveText);
    rediger->addSeparator();
    connect(AddHintedItem(rediger, "&Luk", "Memoen vises ikke"), &QAction::triggered, this,
            &MemoWindow::CloseMemo);
    connect(rediger, &QMenu::aboutToShow, this, &MemoWindow::OnEditMenuOpened);
    connect(menu_, &QMenuBar::hovered, this, &MemoWindow::ShowHint);
    connect(rediger, &QMenu::hovered, this, &MemoWindow::ShowHint);
}

void MemoWindow::SyncFromModel() {
    const MemoModel& memo = app_.Memo;
    if (app_.CurrentLanguage() != shownLanguage_) ShowLanguage();
    // The guidance read anew (in another language) replaces the text; the selection the
    // reload asks for is then shown in it.
    if (memo.Loads != loadsShown_) ShowGuidance();
    QWidget* frame = Frame();
    if (memo.Visible == frame->isHidden()) frame->setVisible(memo.Visible);
    if (memo.SelectionRequests == selectionsShown_) return;
    selectionsShown_ = memo.SelectionRequests;
    const int last = richEdit_->document()->characterCount() - 1;
    const int start = std::min(ToDocumentPosition(memo.Text, memo.SelStart), last);
    const int end = std::min(ToDocumentPosition(memo.Text, memo.SelStart + memo.SelLength), last);
    QTextCursor cursor(richEdit_->document());
    cursor.setPosition(end);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    richEdit_->setTextCursor(cursor);
    ShowSelectionAtTop();
}

void MemoWindow::ShowSelectionAtTop() {
    // The heading stays at the top while the window is laid out and sized (its text is
    // laid out anew at each width), until the reader scrolls.
    headingAtTop_ = true;
    QTextCursor heading = richEdit_->textCursor();
    heading.setPosition(heading.selectionStart());
    QScrollBar* bar = richEdit_->verticalScrollBar();
    bar->setValue(bar->value() + richEdit_->cursorRect(heading).top());
}

void MemoWindow::TextChanged() {
    app_.Memo.Text = MemoCharacters(richEdit_->toPlainText().toStdString());
}

void MemoWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (headingAtTop_)
        QTimer::singleShot(0, this, [this] {
            if (headingAtTop_) ShowSelectionAtTop();
        });
    // Shown again after "&Altid øverst", the window stays where it was; a dock panel stays
    // in its place.
    if (!event->spontaneous() && !std::exchange(keepPlace_, false) && Frame() == this) FormShow();
}

void MemoWindow::FormShow() {
    const QScreen* where = screen();
    if (where == nullptr) return;
    const QRect area = where->geometry();
    move(area.left() + area.width() - frameGeometry().width(), area.top() + TopOfWindow);
}

void MemoWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; it lives as long as the program.
    app_.Memo.Visible = false;
    QWidget::closeEvent(event);
    emit ModelChanged();
}

void MemoWindow::mouseMoveEvent(QMouseEvent* event) {
    TakeFocus();
    QWidget::mouseMoveEvent(event);
}

bool MemoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == richEdit_->viewport() && event->type() == QEvent::MouseMove) TakeFocus();
    // Once the reader scrolls, clicks or types, the text stays where he puts it.
    const QEvent::Type type = event->type();
    if (type == QEvent::Wheel || type == QEvent::MouseButtonPress || type == QEvent::KeyPress)
        headingAtTop_ = false;
    if (watched == richEdit_->viewport() && event->type() == QEvent::Resize && headingAtTop_)
        QTimer::singleShot(0, this, [this] {
            if (headingAtTop_) ShowSelectionAtTop();
        });
    // Ctrl+C and Ctrl+X belong to the menu ("&Kopi" copies the whole memo, "Kl&ip" cuts
    // the selection), not to the text widget's own copy and cut; the keys of the main
    // window (F2..F6, Ctrl+K, Ctrl+F, Ctrl+W) reach the simulation, not the text.
    if (watched == richEdit_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* own : {copyItem_, cutItem_}) {
            if (pressed != own->shortcut()) continue;
            if (event->type() == QEvent::KeyPress) own->trigger();
            event->accept();
            return true;
        }
        if (event->type() == QEvent::ShortcutOverride && IsMainWindowKey(pressed)) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* MemoWindow::Frame() {
    return FrameOf(this);
}

void MemoWindow::TakeFocus() {
    TakeFocusFor(this, richEdit_);
}

void MemoWindow::ShowHint(QAction* action) {
    if (ShowItemHint(app_, action)) emit ModelChanged();
}

void MemoWindow::OnEditMenuOpened() {
    if (auto* dock = qobject_cast<QDockWidget*>(Frame()))
        alwaysOnTopItem_->setChecked(dock->isFloating());
    else
        alwaysOnTopItem_->setChecked(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    printItem_->setEnabled(true);
    copyItem_->setEnabled(true);
}

void MemoWindow::ToggleAlwaysOnTop() {
    // As a dock panel: floating above the main window, or back in its place.
    if (auto* dock = qobject_cast<QDockWidget*>(Frame())) {
        dock->setFloating(!dock->isFloating());
        alwaysOnTopItem_->setChecked(dock->isFloating());
        return;
    }
    const bool onTop = !windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool shown = isVisible();
    const QPoint at = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);  // hides the window
    alwaysOnTopItem_->setChecked(onTop);
    if (shown) {
        keepPlace_ = true;
        move(at);
        show();
    }
}

void MemoWindow::CutSelection() {
    richEdit_->cut();
}

void MemoWindow::SelectAllText() {
    richEdit_->setFocus();
    richEdit_->selectAll();
}

void MemoWindow::CopyAll() {
    // The whole memo, not only the selection.
    const std::string text =
        MemoCopyText(richEdit_->toPlainText().toStdString(), app_.State.ListSeparator);
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MemoWindow::PrintText() {
    if (richEdit_->document()->isEmpty()) {
        app_.host().ShowMessage("Tom memo udskrives ikke", MessageKind::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintOn(printer);
}

bool MemoWindow::PrintOn(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Vivarnon: Memo"));
    std::string reason;
    bool ok = false;
    {
        PrinterOutput output(printer);
        richEdit_->document()->print(&output.Device());
        ok = output.Finish(true, reason);
    }
    if (!ok) {
        app_.host().ShowMessage(reason.empty() ? std::string("Memoen blev ikke udskrevet")
                                               : "Memoen blev ikke udskrevet: " + reason,
                                MessageKind::Warning);
        return false;
    }
    return true;
}

void MemoWindow::SaveText() {
    std::string reason;
    if (!SaveAs(QStringLiteral("Ovelser.rtf"), &reason))
        app_.host().ShowMessage("Ovelser.rtf ikke gemt: " + reason, MessageKind::Information);
}

bool MemoWindow::SaveAs(const QString& path, std::string* reason) {
    const std::string rtf = WriteRtf(FromTextDocument(*richEdit_->document()));
    const SaveResult saved = SaveFileWhole(path.toStdString(), rtf);
    if (reason != nullptr) *reason = saved.Reason;
    return saved.Ok;
}

void MemoWindow::CloseMemo() {
    app_.Memo.Visible = false;
    hide();
    emit ModelChanged();
}

}  // namespace viv
