// The simulation picture on the screen: shows the core's picture unscaled at its own size
// inside the scroll box and reports the mouse over it.
#pragma once

#include <QWidget>

namespace viv {

class App;

class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(App& app, QWidget* parent = nullptr);

    // Takes the size of the core's current picture and repaints it.
    void SyncFromModel();

signals:
    void MouseMoved();
    void MousePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    App& app_;
};

}  // namespace viv
