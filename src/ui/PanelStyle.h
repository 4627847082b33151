#pragma once
// The panel's widget style: Fusion, drawn the same, with two of its pictures read more
// cheaply. A picture read by its file name has the image reader load every image-format
// plugin installed to ask each whether it reads the file, a large part of the start-up. So
// the menu bar's extension arrow (shown only when the menus do not fit) is read when first
// drawn, and the group-box frame is read as the PNG picture it is, without asking plugins.
class QStyle;

namespace vx::ui {

QStyle* NewPanelStyle();

}  // namespace vx::ui
