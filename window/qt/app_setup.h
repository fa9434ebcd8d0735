#pragma once

class QApplication;
class QFont;
class QIcon;

namespace window {

// The platform's Simplified Chinese UI sans-serif at 9 points: the size the
// window's layout was drawn for.
QFont DialogFont();

// Qt's own texts (the boxes' context menu and the like) in Chinese, where
// Qt's zh_CN translations are installed.
void LoadQtTranslations(QApplication& app);

// The sieve, at 16, 24 and 32 pixels and larger, embedded in the program.
QIcon AppIcon();

// Screen readers meet Form1 as a window (a frame), as they do the windows of
// other programs, rather than as a filler, which a bare top-level QWidget is;
// and its lines as separators.
void InstallAccessibleRoles();

}  // namespace window
