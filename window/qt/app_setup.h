// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

class QApplication;
class QFont;
class QIcon;

namespace window {

// The platform's Simplified Chinese UI sans-serif at 9 points, given as the
// 12 px it makes at the layout's 96 dpi: the size the window's layout was
// drawn for.
QFont DialogFont();

// Qt's own texts (the boxes' context menu and the like) in Chinese, where
// Qt's zh_CN translations are installed.
void LoadQtTranslations(QApplication& app);

// The sieve at 16, 24 and 32 pixels, the sizes of title bars and task bars
// (larger ones come from the installed theme icon), compiled in as pixels:
// reading the first PNG alone costs more start-up time than the window's
// own drawing of them.
QIcon AppIcon();

// Screen readers meet Form1 as a window (a frame), as they do the windows of
// other programs, rather than as a filler, which a bare top-level QWidget is;
// and its lines as separators.
void InstallAccessibleRoles();

}  // namespace window
