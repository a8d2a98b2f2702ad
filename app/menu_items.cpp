// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/menu_items.h"

namespace viv {

namespace {

using M = MainWindowModel;

struct Bound {
    std::string_view Name;
    MenuItemState M::*Item;
};
constexpr Bound kBound[] = {
    {"HelperMarksItem", &M::HelperMarksItem},
    {"NormalsItem", &M::NormalsItem},
    {"AxesItem", &M::AxesItem},
    {"RedRayItem", &M::RedRayItem},
    {"RaysItem", &M::RaysItem},
    {"RunItem", &M::RunItem},
    {"StepItem", &M::StepItem},
    {"SlowMotionItem", &M::SlowMotionItem},
    {"ShowTableItem", &M::ShowTableItem},
    {"ShowMemoItem", &M::ShowMemoItem},
    {"PrintTableItem", &M::PrintTableItem},
    {"PrintDataItem", &M::PrintDataItem},
    {"SmoothItem", &M::SmoothItem},
    {"ZoomInItem", &M::ZoomInItem},
    {"ZoomOutItem", &M::ZoomOutItem},
    {"ZoomResetItem", &M::ZoomResetItem},
    {"PresentationItem", &M::PresentationItem},
    {"DanishItem", &M::DanishItem},
    {"EnglishItem", &M::EnglishItem},
};

}  // namespace

MenuItemState MainWindowModel::*BoundMenuItem(std::string_view name) {
    for (const Bound& b : kBound)
        if (b.Name == name) return b.Item;
    return nullptr;
}

std::string_view ShownCaption(const MainWindowModel& window, const MenuItemDef& item) {
    if (MenuItemState M::*bound = BoundMenuItem(item.Name)) return (window.*bound).Caption;
    return item.Caption;
}

}  // namespace viv
