#pragma once
// The panel's widget style: Fusion, drawn the same, more cheaply at start-up. A picture read
// by its file name has the image reader load every image-format plugin installed to ask each
// whether it reads the file: so the menu bar's extension arrow (shown only when the menus do
// not fit) is read when first drawn, and the group-box frame is read as the PNG picture it
// is, without asking plugins. Tall frames (pages of tabs, group boxes) are drawn in bands of
// rows, so that the raster engine draws them on this thread instead of waking a pool of
// threads for each of their edges.
class QStyle;

namespace vx::ui {

QStyle* NewPanelStyle();

}  // namespace vx::ui
