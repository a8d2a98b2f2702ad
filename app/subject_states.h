// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The own state of each subject's simulations, kept while other simulations are shown.
// The core knows none of the subjects: each subject keeps its state here under its own
// type, made on first use and living as long as the program's core.
#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace viv {

class SubjectStates {
public:
    SubjectStates() = default;
    SubjectStates(const SubjectStates&) = delete;
    SubjectStates& operator=(const SubjectStates&) = delete;

    // The state of type T, default-constructed the first time it is asked for.
    template <class T>
    T& Get() {
        const void* key = &kKey<T>;
        for (Slot& slot : slots_)
            if (slot.key == key) return *static_cast<T*>(slot.state.get());
        auto state = std::unique_ptr<void, void (*)(void*)>(
            new T(), [](void* p) { delete static_cast<T*>(p); });
        T& made = *static_cast<T*>(state.get());
        slots_.push_back(Slot{key, std::move(state)});
        return made;
    }

private:
    template <class T>
    static constexpr char kKey = 0;  // one address per state type

    struct Slot {
        const void* key;
        std::unique_ptr<void, void (*)(void*)> state;
    };
    std::vector<Slot> slots_;
};

}  // namespace viv
