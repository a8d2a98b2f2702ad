// The program's icon (a raindrop under a rainbow) for its windows and the About box.
#pragma once

#include <QIcon>

namespace viv {

// The installed icon theme's "dk.vivarnon.Vivarnon", or the program's own copy at 16 to
// 256 pixels where the theme has none.
QIcon ProgramIcon();

}  // namespace viv
