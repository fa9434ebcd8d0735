// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QtMath>
#include <QtTest>
#include <functional>
#include <memory>

#include "tests/window/qt/ink.h"
#include "tests/window/scenarios.h"
#include "window/qt/app_setup.h"
#include "window/qt/form1.h"
#include "window/qt/qt_text.h"

using grading::Field;
using window::Form1;
using window::ToQString;

namespace {

// What a message box showed, read while it was open.
struct Seen {
  bool shown = false;
  QString title, text, button;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
};

}  // namespace

// Text drawn at another sub-pixel position may gain or lose a row or column
// of ink at scales above 1; at 1 it may not.
int Phase(qreal dpr) { return dpr > 1 ? 1 : 0; }

class Form1Test : public QObject {
 private:
  std::unique_ptr<Form1> form_;
  QTimer watchdog_;
  int modal_ticks_ = 0;
  bool hung_ = false;

  QLineEdit* Box(Field field) { return form_->Box(field); }

  // ASCII as keys; anything else as an input method delivers it, committed.
  static void TypeInto(QLineEdit* box, const QString& text) {
    for (QChar c : text) {
      if (c.unicode() < 0x80) {
        QTest::keyClick(box, c.toLatin1());
        continue;
      }
      QInputMethodEvent commit;
      commit.setCommitString(c);
      QApplication::sendEvent(box, &commit);
    }
  }

  QLineEdit* Named(const std::string& name) {
    return form_->findChild<QLineEdit*>(QString::fromStdString(name));
  }

  // A list of the table's, box by box into the masses.
  void Type(const char* masses) {
    const std::vector<std::string> boxes = scenarios::Words(scenarios::kMassBoxes);
    const std::vector<std::string> typed = scenarios::Words(masses);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      Named(boxes[i])->clear();
      TypeInto(Named(boxes[i]), QString::fromStdString(typed.at(i)));
    }
  }

  // The screen readers' notification of the outcome: what it says, or
  // nothing while hidden.
  QString Told() {
    for (QWidget* child : form_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
      if (face->role() != QAccessible::Notification) continue;
      if (child->size() != QSize(0, 0)) return QStringLiteral("(drawn on the window)");
      return child->isVisible() ? face->text(QAccessible::Name) : QString();
    }
    return QStringLiteral("(no notification)");
  }

  // Runs `act`, which is to open a message box; reads and dismisses the box.
  Seen Expecting(const std::function<void()>& act) {
    Seen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || seen.shown) return;
      seen = {true,        box->windowTitle(),
              box->text(), box->buttons().value(0)->text(),
              box->icon(), static_cast<int>(box->buttons().size())};
      box->buttons().value(0)->click();
    });
    poll.start();
    act();
    return seen;
  }

  void Press() { QTest::mouseClick(form_->Command1(), Qt::LeftButton); }

  // A key where the focus is, as the user presses it.
  static void Key(Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, held);
  }

  // The first two characters the box shows at its left edge, as drawn.
  static QString Shown(QLineEdit* box) {
    box->grab();  // lays the text out as it is drawn, scrolled or not
    const QMargins margins = box->textMargins();
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QPoint left(margins.left() + frame + 3, box->height() / 2);
    return box->text().mid(box->cursorPositionAt(left), 2);
  }

  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<Form1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    // The text placed in the boxes and labels, as the window does once up
    // (Qt 5 is active before its event loop has turned).
    QTRY_VERIFY(form_->Box(Field::s475)->alignment() & Qt::AlignTop);
    // A test that leaves a modal box open fails instead of hanging.
    hung_ = false;
    modal_ticks_ = 0;
    watchdog_.setInterval(100);
    QObject::connect(&watchdog_, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return void(modal_ticks_ = 0);
      if (++modal_ticks_ < 30) return;
      hung_ = true;
      modal->close();
    });
    watchdog_.start();
  }

  void cleanup() {
    watchdog_.stop();
    watchdog_.disconnect();
    form_.reset();
    QVERIFY2(!hung_, "a modal box was left open");
  }

  void startsEmptyWithTheFocusInTheFirstInput() {
    for (Field field : grading::kAllFields) QCOMPARE(Box(field)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), Box(Field::s475));
    QCOMPARE(form_->windowTitle(), QString::fromUtf8(scenarios::kClient.caption));
    QCOMPARE(form_->size(), QSize(scenarios::kClient.width, scenarios::kClient.height));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
  }

  void buildsEveryControlOfTheTable() {
    for (const window::ControlSpec& spec : window::kControls) {
      auto* widget = form_->findChild<QWidget*>(ToQString(spec.name));
      QVERIFY2(widget, spec.name.data());
      if (auto* box = qobject_cast<QLineEdit*>(widget)) QCOMPARE(box->maxLength(), INT_MAX);
    }
    for (const scenarios::Place& place : scenarios::kPlaces) {
      auto* widget = form_->findChild<QWidget*>(QString::fromUtf8(place.name));
      QCOMPARE(widget->geometry(), QRect(place.left, place.top, place.width, place.height));
      const QVariant caption = widget->property("text");
      QCOMPARE(caption.isValid() ? caption.toString() : QString(),
               QString::fromUtf8(place.caption));
    }
  }

  // Tab visits each stop in turn, and back to the first; each box is named
  // whole to a screen reader, with no label to speak instead, and a box
  // the user may not type into takes no typing.
  void tabStopsNamesAndReadOnlyBoxes() {
    for (const scenarios::Stop& stop : scenarios::kTabStops) {
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(stop.name));
      QAccessibleInterface* face =
          QAccessible::queryAccessibleInterface(QApplication::focusWidget());
      QCOMPARE(face->text(QAccessible::Name), QString::fromUtf8(stop.heard));
      QVERIFY2(face->relations(QAccessible::Label).isEmpty(), stop.name);
      if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        QCOMPARE(face->role(), QAccessible::EditableText);
        QCOMPARE(bool(face->state().readOnly), stop.read_only);
        QCOMPARE(face->editableTextInterface() != nullptr, !stop.read_only);
        QTest::keyClicks(box, QStringLiteral("12"));
        QCOMPARE(box->text().isEmpty(), stop.read_only);
        box->clear();
      }
      Key(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(),
             QString::fromUtf8(scenarios::kTabStops[0].name));
  }

  void pressShowsWhatTheScenarioSays_data() {
    QTest::addColumn<int>("row");
    for (const scenarios::Scenario& row : scenarios::kScenarios)
      QTest::newRow(row.name) << int(&row - scenarios::kScenarios);
  }

  // The row typed (as keys, or as an input method commits), pressed by
  // keyboard; its message read while open, then the boxes, the focus and
  // what a screen reader is told.
  void pressShowsWhatTheScenarioSays() {
    QFETCH(int, row);
    const scenarios::Scenario& scenario = scenarios::kScenarios[row];
    if (*scenario.before) {
      Type(scenario.before);
      Expecting([this] { Press(); });
    }
    Type(scenario.masses);
    form_->Command1()->setFocus();
    const Seen seen = Expecting([] { Key(Qt::Key_Space); });
    const std::string notice = scenario.notice;
    QCOMPARE(seen.shown, !notice.empty());
    if (seen.shown) {
      QCOMPARE(seen.title, QStringLiteral("Vellacor"));
      QCOMPARE(seen.text, QString::fromUtf8(scenario.message));
      QCOMPARE(seen.icon, notice == "warning" ? QMessageBox::Warning : QMessageBox::NoIcon);
      QCOMPARE(seen.buttons, 1);
      QCOMPARE(seen.button, QStringLiteral("确定"));
    }
    const std::vector<std::string> boxes = scenarios::Words(scenarios::kResultBoxes);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      QCOMPARE(Named(boxes[i])->text(), QString::fromStdString(scenarios::Shown(scenario)[i]));
      QCOMPARE(Named(boxes[i])->cursorPosition(), 0);  // its beginning in view
    }
    QCOMPARE(Box(Field::cx)->toolTip(), Box(Field::cx)->text());
    const std::string focused = *scenario.select ? scenario.select : "Command1";
    QCOMPARE(form_->focusWidget()->objectName(), QString::fromStdString(focused));
    if (*scenario.select) {
      QCOMPARE(Named(focused)->selectedText(), Named(focused)->text());
    }
    QCOMPARE(Told(), QString::fromUtf8(scenario.heard));
  }

  void enterCalculatesOnlyOnTheButton() {
    Type(scenarios::kWorked);
    QTest::keyClick(Box(Field::s015), Qt::Key_Return);
    QTest::keyClick(Box(Field::s015), Qt::Key_Escape);
    QCOMPARE(Box(Field::ms)->text(), QString());
    form_->Command1()->setFocus();
    QTest::keyClick(form_->Command1(), Qt::Key_Return);
    QVERIFY(!Box(Field::ms)->text().isEmpty());
  }

  // Tabbing through a box scrolls it to its end; a press by keyboard passes
  // the class box on its way to the button. Each result shows its
  // beginning after every press, changed or not, error or not.
  void resultsShowTheirBeginningAfterEveryPress() {
    Type(scenarios::kWorked);
    form_->Command1()->setFocus();
    Key(Qt::Key_Space);
    QCOMPARE(Shown(Box(Field::cx)), QStringLiteral("中砂"));
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Box(Field::cx));
    QVERIFY2(Shown(Box(Field::cx)) != QStringLiteral("中砂"), "tabbing in scrolls to the end");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Space);  // the same inputs: the class text does not change
    QCOMPARE(QApplication::focusWidget(), form_->Command1());
    QCOMPARE(Shown(Box(Field::cx)), QStringLiteral("中砂"));
    // A press that ends in an error shows the old class from its start too.
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    Key(Qt::Key_Tab);
    Box(Field::s475)->setText(QStringLiteral("500"));
    form_->Command1()->setFocus();
    Seen seen = Expecting([] { Key(Qt::Key_Space); });
    QVERIFY(seen.shown);
    QCOMPARE(Shown(Box(Field::cx)), QStringLiteral("中砂"));
  }

  void typedLossChangesNothingElseAndIsOverwritten() {
    QTest::keyClicks(Box(Field::ss), QStringLiteral("7"));
    for (Field field : grading::kAllFields) {
      QCOMPARE(form_->Sheet().Text(field), std::string(field == Field::ss ? "7" : ""));
    }
    Type(scenarios::kWorked);
    Press();
    QCOMPARE(Box(Field::ss)->text(), QStringLiteral("40"));
  }

  void qtTextsAreChinese() {
    std::unique_ptr<QMenu> menu(Box(Field::s475)->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) texts << action->text();
    // "复制(&C)" in Qt 6's catalogue and Qt 5's alike (Select All differs).
    QVERIFY2(texts.join(QLatin1Char(' ')).contains(QStringLiteral("复制")),
             qPrintable(texts.join(QLatin1Char(' '))));
  }

  // Whatever a box may hold (digits, Han text, brackets, descenders) shows
  // whole and in its middle, as does the button's caption; at each scale
  // the suite runs at (1, 1.5 and 2).
  void textFitsEveryBoxAndTheButton() {
    const qreal dpr = form_->devicePixelRatioF();  // Qt 5's devicePixelRatio() is whole
    QApplication::focusWidget()->clearFocus();     // no caret in the pictures
    struct Shown {
      QWidget* widget;
      QString text;
    };
    std::vector<Shown> shown;
    for (QLineEdit* box : form_->findChildren<QLineEdit*>()) {
      for (const char* text : {"gjy(12)", "（砂）gj"})
        shown.push_back({box, QString::fromUtf8(text)});
    }
    shown.push_back({form_->Command1(), form_->Command1()->text()});
    for (const Shown& item : shown) {
      auto* box = qobject_cast<QLineEdit*>(item.widget);
      if (box) {
        box->setText(item.text);
        box->setCursorPosition(0);
      }
      const QImage image = item.widget->grab().toImage();
      // A box's paper inside its frame; the button's face inside its bevel.
      const int edge =
          qRound((box ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 2) * dpr);
      const QRect inside =
          box ? InsideFrame(image, edge + 1) : image.rect().adjusted(edge, edge, -edge, -edge);
      const InkRows ink = FindInk(image, inside);
      const QString what = item.widget->objectName() + QLatin1Char(' ') + item.text;
      QVERIFY2(ink.Height() >= FreeInk(item.text, item.widget->font(), dpr).Height() - Phase(dpr),
               qPrintable(what + QStringLiteral(" is clipped")));
      const int above = ink.top - inside.top();
      const int below = inside.bottom() - ink.bottom;
      // Centred within a pixel: the ink's middle at most one from the box's.
      QVERIFY2(qAbs(above - below) <= qRound(2 * dpr),
               qPrintable(what + QStringLiteral(": %1 px above, %2 below").arg(above).arg(below)));
    }
  }

  void startsWithItsFontIconAndLanguage() {
    const QFont font = window::DialogFont();
    QCOMPARE(font.pixelSize(), 12);  // 9 points at the layout's 96 dpi
    const QString face = QFontInfo(font).family();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const auto systems = QFontDatabase::writingSystems(face);
#else
    const auto systems = QFontDatabase().writingSystems(face);
#endif
    QVERIFY2(systems.contains(QFontDatabase::SimplifiedChinese), qPrintable(face));
    QCOMPARE(face, QStringLiteral("WenQuanYi Micro Hei"));  // where installed, as here
    const QList<QSize> sizes = window::AppIcon().availableSizes();
    for (int size : {16, 24, 32}) QVERIFY(sizes.contains(QSize(size, size)));
    const QImage sieve = window::AppIcon().pixmap(32).toImage();
    QCOMPARE(qAlpha(sieve.pixel(0, 0)), 0);      // round, on nothing
    QCOMPARE(qAlpha(sieve.pixel(16, 16)), 255);  // the mesh over the sand
  }

  // What a user sees of the layout, not a copy of the table: every caption
  // whole, each row's boxes left to right in sieve order and apart, and
  // everything inside the window.
  void captionsShowWholeAndRowsRunInSieveOrder() {
    const QList<QWidget*> boxes = [this] {
      QList<QWidget*> list;
      for (QWidget* widget : form_->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPushButton*>(widget)) list << widget;
      }
      return list;
    }();
    const qreal dpr = form_->devicePixelRatioF();  // Qt 5's devicePixelRatio() is whole
    for (QLabel* label : form_->findChildren<QLabel*>()) {
      const QImage drawn = label->grab().toImage();
      const InkRows across = FindInkColumns(drawn);
      const int free = FindInkColumns(FreeText(label->text(), label->font(), dpr)).Height();
      QVERIFY2(across.Height() >= free - Phase(dpr) && across.bottom < drawn.width() - 1,
               qPrintable(label->text() + QStringLiteral(" is cut off")));
      const InkRows down = FindInk(drawn, drawn.rect());
      const QRect ink = QRect(QPoint(qFloor(across.top / dpr), qFloor(down.top / dpr)),
                              QPoint(qFloor(across.bottom / dpr), qFloor(down.bottom / dpr)))
                            .translated(label->pos());
      for (QWidget* box : boxes) {
        QVERIFY2(!box->geometry().intersects(ink),
                 qPrintable(box->objectName() + QStringLiteral(" covers ") + label->text()));
      }
    }
    const char* rows[][6] = {{"s475", "s236", "s118", "s06", "s03", "s015"},
                             {"sb475", "sb236", "sb118", "sb06", "sb03", "sb015"},
                             {"lsb475", "lsb236", "lsb118", "lsb06", "lsb03", "lsb015"}};
    for (const auto& row : rows) {
      for (int i = 1; i < 6; ++i) {
        const QRect left = form_->findChild<QWidget*>(QString::fromLatin1(row[i - 1]))->geometry();
        const QRect right = form_->findChild<QWidget*>(QString::fromLatin1(row[i]))->geometry();
        QVERIFY2(left.right() < right.left(), row[i]);
      }
    }
    for (QWidget* child : form_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (child->geometry().isEmpty()) continue;  // draws nothing (the screen readers' notice)
      QVERIFY2(form_->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
  }

  // A result is told whole: its value, its selection, and one run of text
  // attributes over all of it (Qt's own runs were empty, and Orca spoke
  // "1" for 17).
  void screenReadersGetEachResultWhole() {
    Type(scenarios::kWorked);
    Press();
    const std::pair<Field, const char*> results[] = {
        {Field::sb015, "17"}, {Field::sb475, "4"}, {Field::lsb015, "92"}, {Field::ms, "2.78125"}};
    for (auto [field, value] : results) {
      QLineEdit* box = Box(field);
      box->setFocus();
      box->selectAll();
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
      QAccessibleTextInterface* text = face->textInterface();
      QVERIFY(text);
      const int length = static_cast<int>(qstrlen(value));
      QCOMPARE(face->text(QAccessible::Value), QString::fromUtf8(value));
      QCOMPARE(text->characterCount(), length);
      int start = -1, end = -1;
      for (int offset : {0, length - 1, length}) {
        text->attributes(offset, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, length));
      }
      QCOMPARE(text->selectionCount(), 1);
      text->selection(0, &start, &end);
      QCOMPARE(text->text(start, end), QString::fromUtf8(value));
    }
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setFont(window::DialogFont());
  window::LoadQtTranslations(app);
  window::InstallAccessibleRoles();
  Form1Test test;
  return QTest::qExec(&test, argc, argv);
}

#include "form1_test.moc"
