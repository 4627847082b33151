#pragma once
// The widget of a row by its 0-based index. Indexes come from the core, which keeps them
// in range; a stray one finds no widget, so nothing is drawn.
#include <cstddef>

namespace vx::ui {

template <class Array>
auto WidgetAt(const Array& widgets, int index) -> typename Array::value_type {
    if (index < 0 || index >= static_cast<int>(widgets.size())) return nullptr;
    return widgets[static_cast<std::size_t>(index)];
}

}  // namespace vx::ui
