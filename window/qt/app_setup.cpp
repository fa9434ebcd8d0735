// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/qt/app_setup.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QTranslator>

#include "window/fonts.h"
#include "window/icons/vellacor_icon.h"
#include "window/qt/announcement.h"
#include "window/qt/box_accessible.h"
#include "window/qt/form1.h"

namespace window {

QFont DialogFont() {
  QFont font = QApplication::font();
#if defined(Q_OS_MACOS)
  font.setFamily(QString::fromUtf8(kAppleFace.data(), static_cast<int>(kAppleFace.size())));
#else
  // Named, so that Han characters take their Simplified Chinese forms even
  // when the user's locale is not Chinese. WenQuanYi Micro Hei first: its
  // line is about one em high, so that text fits the 17 to 19 px boxes
  // whole, and its digits leave every caption room in its label. Noto Sans
  // CJK's line is nearly one and a half em: the boxes cut off descenders
  // and brackets. The others stand in for it, in order, where it is
  // missing: WenQuanYi Zen Hei named too, for its digits are as narrow as
  // Micro Hei's and the captions keep to their labels, where those of the
  // sans-serif face (DejaVu Sans) run under the boxes. As substitutes,
  // which every Qt 5 knows (a font's list of families came with 5.13, and
  // the desks of the Qt 5 generation run 5.11).
  const auto face = [](std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
  };
  QStringList others;
  for (std::size_t i = 1; i < kLinuxFaces.size(); ++i) others << face(kLinuxFaces.at(i));
  others << QStringLiteral("sans-serif");
  QFont::insertSubstitutions(face(kLinuxFaces.front()), others);
  font.setFamily(face(kLinuxFaces.front()));
#endif
  // 9 points at the 96 dpi the layout's pixels stand for (15 twips each):
  // given in those pixels, so that the text keeps to its boxes whatever dpi
  // the screen reports (Qt 5 takes Xvfb's and many X servers' 100 dpi, and
  // 9 points would be 13 px in boxes drawn for 12). Larger screens scale
  // both alike, through the device pixel ratio.
  font.setPixelSize(kFontPixels);
  return font;
}

void LoadQtTranslations(QApplication& app) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
  const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
  // qtbase's own catalogue where there is one (Qt 6); Qt 5 has its texts
  // only in the older catalogue of all Qt.
  for (const QString& name : {QStringLiteral("qtbase_zh_CN"), QStringLiteral("qt_zh_CN")}) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder)) {
      QApplication::installTranslator(translator);
      return;
    }
    delete translator;
  }
}

void InstallAccessibleRoles() {
  QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
    if (auto* form = dynamic_cast<Form1*>(object)) {
      return new QAccessibleWidget(form, QAccessible::Window);
    }
    // Form1's boxes, their values spoken whole.
    auto* box = qobject_cast<QLineEdit*>(object);
    if (box && dynamic_cast<Form1*>(box->parent())) return new BoxAccessible(box);
    if (auto* announcement = dynamic_cast<Announcement*>(object)) {
      return new QAccessibleWidget(announcement, QAccessible::Notification);
    }
    // Form1's rules, which Qt would call empty frames.
    auto* line = qobject_cast<QFrame*>(object);
    if (line && line->frameShape() == QFrame::HLine && dynamic_cast<Form1*>(line->parent())) {
      return new QAccessibleWidget(line, QAccessible::Separator);
    }
    return nullptr;
  });
}

QIcon AppIcon() {
  QIcon icon;
  for (const IconImage& image : kIconImages) {
    icon.addPixmap(
        QPixmap::fromImage(QImage(image.rgba, image.size, image.size, QImage::Format_RGBA8888)));
  }
  return icon;
}

}  // namespace window
