#pragma once

// What the program asks of the desktop before its window is made: the screen
// resolution fonts are laid out at, the look, where the form's Windows font
// names are found on this machine, and what screen readers are told.
namespace DesktopSetup {

// Call before the QApplication exists: lays fonts out at 96 dots per inch
// (so 8.25 pt is 11 pixels) unless QT_FONT_DPI is already set.
void prepareEnvironment();
// Call once the QApplication exists: names the application, picks the Fusion
// style, maps "MS Sans Serif", "Arial" and "Arial Narrow" to the Liberation
// fonts, makes Liberation Sans the font of menus, tooltips and boxes, and
// gives screen readers the captions' menu entries as actions.
void prepareApplication();

} // namespace DesktopSetup
