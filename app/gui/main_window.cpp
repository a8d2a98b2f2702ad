#include "app/gui/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "app/gui/control_panel_view.h"
#include "app/gui/glyph_button.h"
#include "app/gui/glyphs.h"
#include "app/gui/picture_files.h"
#include "app/gui/picture_view.h"
#include "app/gui/startup.h"
#include "app/gui/window_sizing.h"
#include "app/print_layout.h"
#include "windows/help_window.h"
#include "windows/memo_window.h"
#include "windows/print_dialog.h"
#include "windows/table_window.h"

namespace viv {

namespace {

using M = MainWindowModel;

constexpr int kButtonBarHeight = 26;  // pixels
constexpr int kButtonTop = 2;         // pixels within the button bar
constexpr int kButtonHeight = 22;     // pixels
constexpr int kFontPixelHeight = 11;
constexpr int kLegendPixelHeight = 12;
constexpr int kStatusLineHeight = 22;  // pixels
constexpr int kSplitterWidth = 3;      // pixels
constexpr int kPanelMinimum = 50;      // pixels: no status panel is made narrower
constexpr int kLambdaPixelHeight = 15;
constexpr char kVisMenu[] = "Vis1";

// "<name> kunne ikke gemmes: " and why, e.g. "Der er ikke plads på disken".
std::string SaveFailedMessage(const QString& path, const std::string& reason) {
    return QFileInfo(path).fileName().toStdString() + " kunne ikke gemmes: " + reason + ".";
}

// The scroll bars and track bars of the control panel: their place from the top (the
// model holds their left edge and width).
struct RangeControlView {
    const char* Name;
    Control Which;
    bool ScrollBar;  // else a track bar
    int Top;         // pixels
    int Height;      // pixels
};
constexpr RangeControlView kRangeControls[] = {
    {"TrackBar2", Control::TrackBar2, false, 4, 56},
    {"TrackBar3", Control::TrackBar3, false, 4, 56},
    {"ScrollBar1", Control::ScrollBar1, true, 81, 150},
    {"ScrollBar2", Control::ScrollBar2, true, 81, 150},
    {"ScrollBar3", Control::ScrollBar3, true, 81, 150},
    {"TrackBar1", Control::TrackBar1, false, 252, 73},
    {"TrackBar4", Control::TrackBar4, false, 252, 73},
};

struct LabelView {
    const char* Name;
    LabelControl M::*Label;
    int Left, Top;  // pixels
};
constexpr LabelView kLabels[] = {
    {"Label1", &M::Label1, 4, 59},   {"Label4", &M::Label4, 7, 234},
    {"Label5", &M::Label5, 33, 234}, {"Label6", &M::Label6, 57, 234},
    {"Label2", &M::Label2, 4, 325},  {"Label3", &M::Label3, 13, 325},
};

// The animation buttons, each with its glyph and its handler.
// Each is reached from the keyboard by the shortcut of its item in the "&Vis" menu, which
// its tool tip shows.
struct AnimationButtonView {
    const char* Name;
    ToolButton M::*Button;
    int Left, Width;  // pixels
    bool Toggle;
    QIcon (*Glyph)();
    void (App::*Click)();
    const char* SpokenName;  // for screen readers: the glyph says nothing
    const char* Shortcut;
};
constexpr AnimationButtonView kAnimationButtons[] = {
    {"TimerButton", &M::TimerButton, 7, 40, true, &RunStopGlyph, &App::TimerButtonClick,
     "Kør/Stop", "Ctrl+K"},
    {"HalvFartButton", &M::HalvFartButton, 53, 20, true, &SpeedometerGlyph,
     &App::HalvFartButtonClick, "Halv fart", "Ctrl+W"},
    {"FremButton", &M::FremButton, 77, 21, false, &StepGlyph, &App::FremButtonClick, "Frem",
     "Ctrl+F"},
};

// What the keys do to a scroll bar or track bar, for screen readers.
constexpr char kRangeKeys[] = "Piletaster, Page Up/Page Down, Home/End";

struct FButtonView {
    const char* Name;
    FKey Key;
    ToolButton M::*Button;
    int Left;  // pixels
};
constexpr int kFButtonWidth = 65;  // pixels
constexpr FButtonView kFButtons[] = {
    {"F2Button", FKey::F2, &M::F2Button, 106}, {"F3Button", FKey::F3, &M::F3Button, 179},
    {"F4Button", FKey::F4, &M::F4Button, 252}, {"F5Button", FKey::F5, &M::F5Button, 325},
    {"F6Button", FKey::F6, &M::F6Button, 398},
};

// Menu items whose caption, check mark or enabling the model decides.
struct BoundMenuItem {
    std::string_view Name;
    MenuItemState M::*Item;
};
constexpr BoundMenuItem kBoundMenuItems[] = {
    {"Hjalpemarker1", &M::Hjalpemarker1},
    {"Indfaldslodder1", &M::Indfaldslodder1},
    {"Koordinatakser1", &M::Koordinatakser1},
    {"Rodstrale1", &M::Rodstrale1},
    {"Straler1", &M::Straler1},
    {"KOR1", &M::KOR1},
    {"Frem1", &M::Frem1},
    {"Slowmotion1", &M::Slowmotion1},
    {"Vistabel1", &M::Vistabel1},
    {"Vismemo1", &M::Vismemo1},
    {"UdskrivTabel1", &M::UdskrivTabel1},
    {"Udskrivdata1", &M::Udskrivdata1},
};

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

// A read-out of the status line: a sunken panel that never forces the line wider.
QLabel* StatusPanel(const char* name, Qt::Alignment alignment) {
    auto* panel = new QLabel;
    panel->setObjectName(QString::fromLatin1(name));
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(alignment | Qt::AlignVCenter);
    panel->setMinimumWidth(kPanelMinimum);
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return panel;
}

}  // namespace

TvivarnonMenu::TvivarnonMenu(const Catalogue& catalogue, QWidget* parent)
    : TvivarnonMenu(catalogue, SystemStartupEnvironment(), parent) {}

TvivarnonMenu::TvivarnonMenu(const Catalogue& catalogue, const StartupEnvironment& env,
                             QWidget* parent)
    : QMainWindow(parent), app_(host_, catalogue) {
    setObjectName(QStringLiteral("vivarnonMenu"));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
    const WindowSizing sizing = SizeForScreen(screenSize.width(), screenSize.height());
    if (sizing.WideTrackBars) {
        app_.Window.TrackBar1.Width = WideTrackBarWidth;
        app_.Window.TrackBar2.Width = WideTrackBarWidth;
    }

    BuildMenu();
    auto* central = new QWidget(this);
    // A small sans-serif face, so that the captions fit their narrow buttons and panels.
    QFont small = central->font();
    small.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                       QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    small.setPixelSize(kFontPixelHeight);
    central->setFont(small);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildButtonBar());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(BuildControlPanel());
    middle->addWidget(BuildScrollBox(), 1);
    column->addLayout(middle, 1);
    column->addWidget(BuildStatusLine());
    setCentralWidget(central);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(app_.Window.Timer1.Interval);
    connect(timer_, &QTimer::timeout, this, [this] { Act([this] { app_.Timer1Timer(); }); });

    host_.Bind({this, scrollPanel_, scrollBox_, picture_});
    // The scroll bars of the picture's box and of the control panel's, for screen readers.
    scrollBox_->horizontalScrollBar()->setAccessibleName(QStringLiteral("Rul billedet vandret"));
    scrollBox_->verticalScrollBar()->setAccessibleName(QStringLiteral("Rul billedet lodret"));
    scrollPanel_->Box()->horizontalScrollBar()->setAccessibleName(QStringLiteral("Rul panelet vandret"));
    scrollPanel_->Box()->verticalScrollBar()->setAccessibleName(QStringLiteral("Rul panelet lodret"));

    // Small enough for any screen; below the usual sizes the control panel scrolls.
    setMinimumSize(MinimumWindowWidth, MinimumWindowHeight);
    move(0, 0);
    resize(sizing.Width, sizing.Height);
    if (sizing.Maximised) setWindowState(windowState() | Qt::WindowMaximized);

    // The core is created once the layout has its size.
    ApplyDevicePixelRatio();
    host_.LayoutChanged(app_.Window);
    app_.FormCreate(env);
    ApplyDevicePixelRatio(true);
    app_.FormResize();
    print_ = std::make_unique<PrintCommands>(
        app_, this, [this] { SyncFromModel(); }, [this](const char* topic) { ShowHelp(topic); });
    created_ = true;
    SyncFromModel();
}

TvivarnonMenu::~TvivarnonMenu() {
    destroying_ = true;
    timer_->stop();
}

void TvivarnonMenu::AttachMemoWindow(TVMemoform* memo) {
    memo_ = memo;
    if (memo != nullptr) {
        connect(memo, &TVMemoform::ModelChanged, this, [this] { SyncFromModel(); });
        memo->SyncFromModel();
    }
}

void TvivarnonMenu::AttachTableWindow(TVtabelForm* table) {
    table_ = table;
    if (table != nullptr)
        connect(table, &TVtabelForm::ModelChanged, this, [this] { SyncFromModel(); });
    SyncFromModel();
}

// --- Building the window ---

void TvivarnonMenu::BuildMenu() {
    for (const MenuDef& def : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(Q(def.Caption));
        menu->setObjectName(Q(def.Name));
        menu->menuAction()->setStatusTip(Q(def.Hint));
        if (def.ClearsLegend)
            connect(menu, &QMenu::aboutToShow, this,
                    [this] { Act([this] { app_.SubjectMenuOpened(); }); });
        if (def.Name == kVisMenu)
            connect(menu, &QMenu::aboutToShow, this, [this] { Act([this] { app_.Vis1Click(); }); });
        if (def.Name == "Filer1")
            connect(menu, &QMenu::aboutToShow, this, [this] { Act([this] { Filer1Click(app_); }); });

        for (const MenuItemDef& item : def.Items) {
            if (item.Caption == "-") {
                menu->addSeparator()->setObjectName(Q(item.Name));
                continue;
            }
            QAction* action = menu->addAction(Q(item.Caption));
            action->setObjectName(Q(item.Name));
            action->setStatusTip(Q(item.Hint));
            if (!item.Shortcut.empty()) action->setShortcut(QKeySequence(Q(item.Shortcut)));
            action->setVisible(!item.Hidden);
            if (item.Simulation != 0) {
                const std::uint16_t n = item.Simulation;
                connect(action, &QAction::triggered, this,
                        [this, n] { Act([this, n] { app_.MenuEntry(n); }); });
            } else {
                const MenuCommand command = item.Command;
                connect(action, &QAction::triggered, this,
                        [this, command] { Act([this, command] { RunCommand(command); }); });
            }
            for (const BoundMenuItem& bound : kBoundMenuItems)
                if (bound.Name == item.Name) boundActions_.push_back({action, bound.Item});
        }
    }
}

QFrame* TvivarnonMenu::BuildButtonBar() {
    buttonPanel_ = new QFrame;
    buttonPanel_->setObjectName(QStringLiteral("ButtonPanel"));
    buttonPanel_->setFixedHeight(kButtonBarHeight);
    buttonPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    legend_ = new QLabel(buttonPanel_);
    legend_->setObjectName(QStringLiteral("ButtonPanelCaption"));
    legend_->setTextFormat(Qt::PlainText);
    legend_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont legendFont = legend_->font();
    legendFont.setPixelSize(kLegendPixelHeight);
    legend_->setFont(legendFont);
    QPalette legendPalette = legend_->palette();
    legendPalette.setColor(QPalette::WindowText, Qt::black);
    legend_->setPalette(legendPalette);
    auto* layout = new QHBoxLayout(buttonPanel_);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(legend_);

    auto newButton = [this](const char* name, int left, int width, bool toggle,
                            bool captionAndGlyph = false) {
        QToolButton* button =
            captionAndGlyph ? new CaptionGlyphButton(buttonPanel_) : new QToolButton(buttonPanel_);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoRaise(true);
        button->setCheckable(toggle);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(left, kButtonTop, width, kButtonHeight);
        button->hide();
        return button;
    };
    for (const AnimationButtonView& view : kAnimationButtons) {
        const bool captioned = !(app_.Window.*view.Button).Caption.empty();
        QToolButton* button = newButton(view.Name, view.Left, view.Width, view.Toggle, captioned);
        button->setIcon(view.Glyph());
        button->setIconSize(QSize(GlyphSize, GlyphSize));
        const auto click = view.Click;
        connect(button, &QToolButton::clicked, this,
                [this, click] { Act([this, click] { (app_.*click)(); }); });
        buttons_.push_back({button, view.Button, QString::fromUtf8(view.SpokenName),
                            QString::fromLatin1(view.Shortcut)});
    }
    for (const FButtonView& view : kFButtons) {
        QToolButton* button = newButton(view.Name, view.Left, kFButtonWidth, true);
        const FKey key = view.Key;
        connect(button, &QToolButton::clicked, this,
                [this, key] { Act([this, key] { app_.FKeyClick(key); }); });
        buttons_.push_back({button, view.Button, QString(), QString()});
    }
    return buttonPanel_;
}

QWidget* TvivarnonMenu::BuildControlPanel() {
    scrollPanel_ = new ControlPanelView;
    scrollPanel_->setObjectName(QStringLiteral("ScrollPanel"));
    scrollPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    scrollPanel_->SetPanelWidth(app_.Window.ScrollPanelWidth);

    for (const LabelView& view : kLabels) {
        auto* label = new QLabel(scrollPanel_);
        label->setObjectName(QString::fromLatin1(view.Name));
        label->setTextFormat(Qt::PlainText);
        if (view.Label == &M::Label3) {
            QFont lambda = label->font();
            lambda.setPixelSize(kLambdaPixelHeight);
            label->setFont(lambda);
        }
        label->hide();
        labels_.push_back({label, view.Label, view.Left, view.Top});
    }
    for (const RangeControlView& view : kRangeControls) {
        QAbstractSlider* widget = nullptr;
        if (view.ScrollBar) {
            widget = new QScrollBar(Qt::Vertical, scrollPanel_);
        } else {
            auto* slider = new QSlider(Qt::Vertical, scrollPanel_);
            slider->setTickPosition(QSlider::TicksRight);
            slider->setTickInterval(1);
            // The minimum at the top, and the arrow keys move the thumb the way they point.
            slider->setInvertedAppearance(true);
            slider->setInvertedControls(true);
            widget = slider;
        }
        widget->setObjectName(QString::fromLatin1(view.Name));
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->hide();
        const Control which = view.Which;
        connect(widget, &QAbstractSlider::valueChanged, this, [this, which](int position) {
            Act([this, which, position] { app_.ControlChange(which, position); });
        });
        ranges_.push_back({widget, view.Which, view.Top, view.Height});
        if (view.Which == Control::ScrollBar1) scrollBar1_ = widget;
    }
    return scrollPanel_->Box();
}

QScrollArea* TvivarnonMenu::BuildScrollBox() {
    scrollBox_ = new QScrollArea;
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The picture is reached with the mouse; the box is no stop of the tab key.
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    QWidget* viewport = scrollBox_->viewport();
    QPalette white = viewport->palette();
    white.setColor(QPalette::Window, Qt::white);
    viewport->setPalette(white);
    viewport->setBackgroundRole(QPalette::Window);
    viewport->setAutoFillBackground(true);

    picture_ = new PictureView(app_);
    scrollBox_->setWidget(picture_);
    connect(picture_, &PictureView::MouseMoved, this, [this] {
        // The main window takes the keyboard focus, so that the keys reach its controls.
        if (isVisible() && !isActiveWindow()) activateWindow();
        Act([this] { app_.ImageMouseMove(); });
    });
    connect(picture_, &PictureView::MousePressed, this,
            [this] { Act([this] { app_.ImageMouseDown(); }); });
    return scrollBox_;
}

QFrame* TvivarnonMenu::BuildStatusLine() {
    statusBar_ = new QFrame;
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setFixedHeight(kStatusLineHeight);

    panels_ = new QSplitter(Qt::Horizontal);
    panels_->setObjectName(QStringLiteral("StatusPanels"));
    panels_->setHandleWidth(kSplitterWidth);
    // The separators between the read-outs are drawn in the window's own style.
    const QPalette face = statusBar_->palette();
    panels_->setChildrenCollapsible(false);
    panel1_ = StatusPanel("Panel1", Qt::AlignRight);
    panel2_ = StatusPanel("Panel2", Qt::AlignRight);
    panel3_ = StatusPanel("Panel3", Qt::AlignRight);
    messagePanel_ = StatusPanel("MessagePanel", Qt::AlignLeft);
    for (QLabel* panel : {panel1_, panel2_, panel3_, messagePanel_}) {
        panel->setPalette(face);
        panel->setAutoFillBackground(true);
        panels_->addWidget(panel);
    }
    panels_->setStretchFactor(3, 1);
    panels_->setSizes({65, 65, 89, 400});

    statusCaption_ = new QLabel;
    statusCaption_->setObjectName(QStringLiteral("StatusCaption"));
    statusCaption_->setTextFormat(Qt::PlainText);
    statusCaption_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusCaption_->hide();

    auto* layout = new QHBoxLayout(statusBar_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panels_);
    layout->addWidget(statusCaption_);
    return statusBar_;
}

// --- Model to widgets ---

template <class Handler>
void TvivarnonMenu::Act(Handler&& handler) {
    if (destroying_) return;
    handler();
    SyncFromModel();
}

void TvivarnonMenu::SyncFromModel() {
    if (destroying_) return;
    // Showing a widget under the mouse may report a hint at once; that change is shown
    // by one more round rather than by a nested one.
    if (syncing_) {
        syncAgain_ = true;
        return;
    }
    syncing_ = true;
    for (int round = 0; round < 3; ++round) {
        syncAgain_ = false;
        ShowModel();
        if (!syncAgain_) break;
    }
    syncing_ = false;
}

void TvivarnonMenu::ShowModel() {
    const MainWindowModel& w = app_.Window;
    if (windowTitle() != Q(w.Caption)) setWindowTitle(Q(w.Caption));
    SetText(legend_, Q(w.ButtonPanelCaption));

    for (const ButtonWidget& b : buttons_) {
        const ToolButton& model = w.*b.Button;
        const QSignalBlocker block(b.Widget);
        if (b.Widget->text() != Q(model.Caption)) b.Widget->setText(Q(model.Caption));
        if (b.Widget->statusTip() != Q(model.Hint)) {
            b.Widget->setStatusTip(Q(model.Hint));
            QString tip = Q(model.Hint).trimmed();
            if (!b.Shortcut.isEmpty())
                tip += (tip.isEmpty() ? QString() : QStringLiteral(" ")) +
                       QStringLiteral("(%1)").arg(QKeySequence(b.Shortcut).toString(QKeySequence::NativeText));
            b.Widget->setToolTip(tip);
        }
        b.Widget->setEnabled(model.Enabled);
        if (b.Widget->isCheckable()) b.Widget->setChecked(model.Down);
        b.Widget->setVisible(model.Visible);
    }

    scrollPanel_->SetPanelWidth(w.ScrollPanelWidth);
    for (const RangeWidget& r : ranges_) {
        const RangeControl& model = app_.Window.Of(r.Which);
        const QSignalBlocker block(r.Widget);
        r.Widget->setRange(model.Min, model.Max);
        r.Widget->setValue(model.Position);
        r.Widget->setPageStep(std::max(model.LargeChange, 1));
        r.Widget->setGeometry(model.Left, r.Top, model.Width, r.Height);
        if (r.Widget->statusTip() != Q(model.Hint)) {
            r.Widget->setStatusTip(Q(model.Hint));
            // The read-outs cover the status line's caption: the hint shows beside the control.
            r.Widget->setToolTip(Q(model.Hint).trimmed());
        }
        r.Widget->setEnabled(model.Enabled);
        r.Widget->setVisible(model.Visible);
    }
    for (const LabelWidget& l : labels_) {
        const LabelControl& model = w.*l.Label;
        if (l.Widget->text() != Q(model.Caption)) {
            l.Widget->setText(Q(model.Caption));
            l.Widget->adjustSize();
        }
        l.Widget->move(l.Left, l.Top);
        l.Widget->setVisible(model.Visible);
    }

    SetText(panel1_, Q(w.Panel1));
    SetText(panel2_, Q(w.Panel2));
    SetText(panel3_, Q(w.Panel3));
    SetText(messagePanel_, Q(w.MessagePanel));
    SetText(statusCaption_, Q(w.StatusCaption));
    panels_->setVisible(w.PanelsVisible);
    statusCaption_->setVisible(!w.PanelsVisible);

    for (const BoundAction& b : boundActions_) {
        const MenuItemState& model = w.*b.Item;
        const QSignalBlocker block(b.Action);
        b.Action->setText(Q(model.Caption));
        b.Action->setEnabled(model.Enabled);
        b.Action->setCheckable(model.Checked);
        b.Action->setChecked(model.Checked);
    }

    const bool running = w.Timer1.Enabled && app_.State.CurrentSimulation != Closed;
    if (timer_->interval() != w.Timer1.Interval) timer_->setInterval(w.Timer1.Interval);
    if (running && !timer_->isActive()) timer_->start();
    if (!running && timer_->isActive()) timer_->stop();

    ShowAccessibleTexts();
    picture_->SyncFromModel();
    if (host_.TakeScrollBar1Focus() && !scrollBar1_->isHidden()) scrollBar1_->setFocus();
    if (table_) table_->SyncFromModel();
    if (memo_) memo_->SyncFromModel();
}

void TvivarnonMenu::ShowAccessibleTexts() {
    const MainWindowModel& w = app_.Window;
    const auto set = [](QWidget* widget, const QString& name, const QString& description) {
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
        if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
    };
    for (const ButtonWidget& b : buttons_) {
        const ToolButton& model = w.*b.Button;
        QString name = Q(model.Caption).remove(QLatin1Char('&')).trimmed();
        if (name.isEmpty()) name = b.SpokenName;
        if (name.isEmpty()) name = Q(model.Hint).trimmed();
        set(b.Widget, name, b.Widget->toolTip());
    }
    // A scroll bar or track bar is named by its hint and the label under it ("Indfaldsvinkel
    // i"); the reader adds the position.
    for (const RangeWidget& r : ranges_) {
        const RangeControl& model = app_.Window.Of(r.Which);
        const QLabel* under = nullptr;
        for (const LabelWidget& l : labels_) {
            if (!(w.*l.Label).Visible || l.Widget->text().isEmpty()) continue;
            const int below = l.Top - (r.Top + r.Height);
            if (below < -6 || below > 8 || l.Left < model.Left - 6 || l.Left >= model.Left + model.Width)
                continue;
            if (under == nullptr || std::abs(l.Left - model.Left) < std::abs(under->x() - model.Left))
                under = l.Widget;
        }
        QString name = Q(model.Hint).trimmed();
        if (under != nullptr && !name.split(QLatin1Char(' ')).contains(under->text(), Qt::CaseInsensitive))
            name += (name.isEmpty() ? QString() : QStringLiteral(" ")) + under->text();
        if (name.isEmpty())
            name = qobject_cast<QScrollBar*>(r.Widget) != nullptr ? QStringLiteral("Rullepanel")
                                                                  : QStringLiteral("Skyder");
        set(r.Widget, name, Q(model.Hint).trimmed() + QStringLiteral(". ") + QString::fromLatin1(kRangeKeys));
    }
    // The picture: the simulation, its read-outs and its table's values.
    QStringList parts;
    for (const std::string* panel : {&w.Panel1, &w.Panel2, &w.Panel3, &w.MessagePanel})
        if (!panel->empty()) parts << Q(*panel).trimmed();
    const ResultsTable& table = app_.Table;
    for (int row = 1; row < table.RowCount(); ++row) {
        QStringList cells;
        for (int col = 1; col < table.ColCount(); ++col)
            if (!table.Cell(col, row).empty()) cells << Q(table.Cell(col, row)).trimmed();
        if (!cells.isEmpty()) parts << Q(table.Cell(0, row)).trimmed() + QStringLiteral(": ") + cells.join(QStringLiteral(", "));
    }
    set(picture_, Q(w.Caption), parts.join(QStringLiteral("; ")));
}

// --- Commands, resizes, hints, closing ---

void TvivarnonMenu::RunCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::None:
            break;
        case MenuCommand::PrintPicture:
            print_->Udskrivgraf1Click();
            break;
        case MenuCommand::PrintData:
            Filer1Click(app_);
            if (app_.Window.Udskrivdata1.Enabled) print_->Udskrivdata1Click();
            break;
        case MenuCommand::CopyBitmap:
            print_->Copy1Click();
            break;
        case MenuCommand::CopyMetafile:
            print_->Kopisommetafile1Click();
            break;
        case MenuCommand::Help:
            ShowHelp("");
            break;
        case MenuCommand::PrintTable:
            if (table_) table_->Udskriv1Click();
            break;
        case MenuCommand::Exit:
            Exit1Click();
            break;
        case MenuCommand::ShowTable:
            app_.VisTabelClick();
            break;
        case MenuCommand::ShowMemo:
            app_.VisMemoClick();
            break;
        case MenuCommand::F2:
            app_.FKeyClick(FKey::F2);
            break;
        case MenuCommand::F3:
            app_.FKeyClick(FKey::F3);
            break;
        case MenuCommand::F4:
            app_.FKeyClick(FKey::F4);
            break;
        case MenuCommand::F5:
            app_.FKeyClick(FKey::F5);
            break;
        case MenuCommand::F6:
            app_.FKeyClick(FKey::F6);
            break;
        case MenuCommand::Run:
            app_.TimerButtonClick();
            break;
        case MenuCommand::Step:
            app_.FremButtonClick();
            break;
        case MenuCommand::SlowMotion:
            app_.HalvFartButtonClick();
            break;
        case MenuCommand::HomePage:
            Hjemmeside1Click();
            break;
        case MenuCommand::About:
            app_.Omvivarnon1Click();
            break;
        case MenuCommand::SavePicture:
            Gembillede1Click();
            break;
        case MenuCommand::SaveTable:
            Gemtabel1Click();
            break;
    }
}

void TvivarnonMenu::Gembillede1Click() {
    const QString filters = QStringLiteral(
        "PNG-billede (*.png);;SVG-vektorgrafik (*.svg);;PDF-dokument (*.pdf)");
    QString chosen = QStringLiteral("PNG-billede (*.png)");
    const QString path = ChooseSaveFile(QStringLiteral("Gem billede"), QStringLiteral(".png"),
                                        filters, chosen);
    if (path.isEmpty()) return;
    std::string error;
    if (!SavePicture(app_, path.toStdString(), error))
        host_.ShowMessage(SaveFailedMessage(path, error), MessageKind::Warning);
}

void TvivarnonMenu::Gemtabel1Click() {
    QString chosen;
    const QString path = ChooseSaveFile(QStringLiteral("Gem tabel"), QStringLiteral(".csv"),
                                        QStringLiteral("CSV-fil til regneark (*.csv)"), chosen);
    if (path.isEmpty()) return;
    std::string error;
    if (!SaveTable(app_, path.toStdString(), error))
        host_.ShowMessage(SaveFailedMessage(path, error), MessageKind::Warning);
}

QString TvivarnonMenu::ChooseSaveFile(const QString& title, const QString& extension,
                                      const QString& filters, QString& chosenFilter) {
    // The folder of the last save, at first the user's documents; named after the simulation.
    if (saveDirectory_.isEmpty())
        saveDirectory_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = Q(app_.Window.Caption).section(QLatin1Char(','), -1).trimmed();
    name.replace(QRegularExpression(QStringLiteral("[^\\w\\- ]")), QString());
    if (name.isEmpty()) name = QStringLiteral("vivarnon");
    QString path = QFileDialog::getSaveFileName(this, title, QDir(saveDirectory_).filePath(name + extension),
                                                filters, &chosenFilter);
    if (path.isEmpty()) return path;
    // A name without an extension takes that of the chosen file type.
    if (QFileInfo(path).suffix().isEmpty()) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(chosenFilter.isEmpty() ? filters : chosenFilter);
        path += m.hasMatch() ? m.captured(1) : extension;
    }
    saveDirectory_ = QFileInfo(path).absolutePath();
    return path;
}

void TvivarnonMenu::ShowHelp(const char* topic) {
    if (!help_) help_ = new THelpForm(host_, app_.State.StartDirectory, this);
    help_->ShowTopic(QString::fromUtf8(topic));
}

void TvivarnonMenu::Hjemmeside1Click() {
    if (!QDesktopServices::openUrl(QUrl(Q(HomePageAddress))))
        host_.ShowMessage("Internet Explorer not found", MessageKind::Warning);
}

void TvivarnonMenu::Exit1Click() {
    app_.Exit1Click();
    SyncFromModel();
    close();
}

bool TvivarnonMenu::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && !destroying_) {
        // The application's hint handler: control hints begin with a blank, menu hints not.
        const std::string hint = static_cast<QStatusTipEvent*>(event)->tip().toStdString();
        Act([this, &hint] { app_.DisplayHint(hint); });
        return true;
    }
    const bool handled = QMainWindow::event(event);
    // Moved to a screen of another device pixel ratio: the picture is made anew for it.
    if (event->type() == QEvent::ScreenChangeInternal) PictureAreaChanged();
    return handled;
}

void TvivarnonMenu::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PictureAreaChanged();
}

void TvivarnonMenu::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    PictureAreaChanged();
}

void TvivarnonMenu::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) PictureAreaChanged();
}

void TvivarnonMenu::PictureAreaChanged() {
    if (!created_ || destroying_) return;
    if (isMinimized()) {
        minimised_ = true;
        Act([this] { app_.FormResize(true); });
        return;
    }
    // Restoring a minimised window recreates the picture even at the same size, and so
    // does a move to a screen of another device pixel ratio.
    const bool restored = std::exchange(minimised_, false) || ApplyDevicePixelRatio();
    const QSize area = host_.PictureArea();
    MainWindowModel& w = app_.Window;
    // The picture was made for this area already (at start-up, or when the control
    // panel changed its width).
    if (!restored && area == QSize(w.ScrollBoxWidth, w.ScrollBoxHeight)) return;
    w.ScrollBoxWidth = area.width();
    w.ScrollBoxHeight = area.height();
    Act([this] { app_.FormResize(false); });
}

bool TvivarnonMenu::ApplyDevicePixelRatio(bool always) {
    const double ratio = devicePixelRatioF();
    if (!always && ratio == host_.DevicePixelRatio()) return false;
    host_.SetDevicePixelRatio(ratio);
    // Pens as on a printer page: as many device pixels wide as one layout pixel.
    const int scale = std::max(1, static_cast<int>(std::lround(ratio)));
    app_.Map.PenWidth = scale;
    app_.Map.BoldPenWidth = 3 * scale;
    return true;
}

void TvivarnonMenu::closeEvent(QCloseEvent* event) {
    if (app_.State.CurrentSimulation != Closed) app_.FormClose();
    timer_->stop();
    if (table_) table_->close();
    if (memo_) memo_->close();
    QMainWindow::closeEvent(event);
}

}  // namespace viv
