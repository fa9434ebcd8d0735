#include "window/qt/app_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace window {

QFont DialogFont() {
  QFont font = QApplication::font();
#if defined(Q_OS_WIN)
  font.setFamilies({QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Microsoft YaHei")});
#elif defined(Q_OS_MACOS)
  font.setFamilies({QStringLiteral("PingFang SC")});
#else
  // Named, so that Han characters take their Simplified Chinese forms even
  // when the user's locale is not Chinese.
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("sans-serif")});
#endif
  font.setPointSize(9);
  return font;
}

void LoadQtTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/icons/vellacor-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace window
