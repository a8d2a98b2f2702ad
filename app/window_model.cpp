// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/window_model.h"

namespace viv {

RangeControl& MainWindowModel::Of(Control c) {
    switch (c) {
        case Control::ScrollBar1:
            return ScrollBar1;
        case Control::ScrollBar2:
            return ScrollBar2;
        case Control::ScrollBar3:
            return ScrollBar3;
        case Control::TrackBar1:
            return TrackBar1;
        case Control::TrackBar2:
            return TrackBar2;
        case Control::TrackBar3:
            return TrackBar3;
        case Control::TrackBar4:
            return TrackBar4;
    }
    return ScrollBar1;
}

ToolButton& MainWindowModel::Of(FKey k) {
    switch (k) {
        case FKey::F2:
            return F2Button;
        case FKey::F3:
            return F3Button;
        case FKey::F4:
            return F4Button;
        case FKey::F5:
            return F5Button;
        case FKey::F6:
            return F6Button;
    }
    return F2Button;
}

}  // namespace viv
