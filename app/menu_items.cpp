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
