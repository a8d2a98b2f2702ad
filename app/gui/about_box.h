// The About box, "Om Vivarnon": version, licence, credits and the Qt it runs on.
#pragma once

class QMessageBox;
class QWidget;

namespace viv {

// Shows the About box over `parent`; while one is open, it is brought to the front
// rather than a second one opened. Returns the box (deleted when it closes).
QMessageBox* ShowAboutBox(QWidget* parent);

}  // namespace viv
