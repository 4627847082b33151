#pragma once
// The crosspoint grid as assistive technology sees it: a table of as many rows and
// columns as the switcher has, whose cells know their row, column and headings, so a
// screen reader can move along rows and columns and say where it is. Each cell stays a
// control whose Press action is its click.
namespace vx::ui {

// Registers the grid's and the cells' accessible interfaces; once is enough.
void InstallCrosspointAccessibility();

}  // namespace vx::ui
