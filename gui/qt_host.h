// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The host of the windowed program: pictures as QImages, message boxes, the layout of
// the main window, a steady clock and the cursor.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QSize>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/host.h"

class QAbstractScrollArea;
class QMessageBox;
class QWidget;

namespace viv {

class ControlPanelView;

// A size of the layout in device pixels at `ratio`, rounded down so that a picture of it
// never needs a scroll bar.
QSize DevicePixels(QSize layout, double ratio);

class QtHost : public Host {
public:
    // The widgets of the main window the host works on.
    struct Widgets {
        QWidget* Window = nullptr;                // the main window, parent of the message boxes
        ControlPanelView* ScrollPanel = nullptr;  // the control panel on the left
        QAbstractScrollArea* ScrollBox = nullptr;
        QWidget* Picture = nullptr;
    };

    QtHost();
    ~QtHost() override;

    void Bind(const Widgets& widgets);
    // The program's texts in the language shown: the messages, given in Danish, are shown in
    // it. Without it they show as given.
    void SetWords(std::function<std::string_view(std::string_view)> words) {
        words_ = std::move(words);
    }

    std::unique_ptr<TCanvas> CreatePicture(int width, int height) override;
    std::unique_ptr<TCanvas> CopyPicture(const TCanvas& picture) override;
    // A message box with one OK button that does not hold the program up; the same
    // message is not opened a second time while it is still on the screen. Shown in the
    // language of SetWords.
    void ShowMessage(std::string_view danish, MessageKind kind) override;
    void LayoutChanged(MainWindowModel& window) override;
    std::uint32_t Milliseconds() override;
    const PointerSource& Pointer() override { return pointer_; }
    void FocusScrollBar1() override { scrollBar1FocusWanted_ = true; }

    // The area the picture fills, with the window laid out as it stands now, in the
    // picture's pixels: the picture is drawn at the screen's own resolution and shown 1:1,
    // or with smooth drawing (SetSmoothDrawing) at DrawingScale() times that and shown
    // reduced. Sets the drawing scale for that area.
    QSize PictureArea();
    // The screen's device pixels per pixel of the layout (2 on a high-DPI screen).
    double DevicePixelRatio() const { return devicePixelRatio_; }
    void SetDevicePixelRatio(double ratio);
    void SetSmoothDrawing(bool on) { smooth_ = on; }
    int DrawingScale() const { return drawingScale_; }
    // Sets the model's picture area, drawing scale and pixel ratio to `area` and this
    // host's scale.
    void StoreArea(MainWindowModel& window, QSize area) const;
    // Whether the core asked for ScrollBar1 to take the focus since the last call.
    bool TakeScrollBar1Focus();
    // The message boxes still on the screen.
    std::vector<QMessageBox*> OpenMessages() const;

private:
    class Cursor : public PointerSource {
    public:
        QPointer<QWidget> picture;
        double ratio = 1.0;  // picture pixels per layout pixel
        TPoint CursorPos() const override;
        TPoint PictureOrigin() const override;
        TPoint PictureSize() const override;
    };

    QString Words(std::string_view danish) const;

    Widgets widgets_;
    Cursor pointer_;
    QElapsedTimer clock_;
    std::vector<QPointer<QMessageBox>> messages_;
    std::function<std::string_view(std::string_view)> words_;
    bool scrollBar1FocusWanted_ = false;
    double devicePixelRatio_ = 1.0;
    bool smooth_ = false;
    double zoom_ = 1.0;     // the picture's text grows by it
    int drawingScale_ = 1;  // picture pixels per device pixel shown
};

}  // namespace viv
