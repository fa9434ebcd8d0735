#include "window/form1.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <vector>

#include "grading/calculate.h"
#include "window/messages.h"
#include "window/qt_text.h"

namespace window {
namespace {

QRect Pixels(const ControlSpec& spec) {
  return QRect(spec.left / kTwipsPerPixel, spec.top / kTwipsPerPixel, spec.width / kTwipsPerPixel,
               spec.height / kTwipsPerPixel);
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromLatin1(kTitle));
  setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
  for (const ControlSpec& spec : kControls) Build(spec);
  SetTabOrder();
  CentreOnScreen();
  Load();
}

void Form1::Build(const ControlSpec& spec) {
  QWidget* widget = nullptr;
  switch (spec.kind) {
    case kLabel:
      widget = new QLabel(ToQString(spec.caption), this);
      break;
    case kTextBox:
      widget = BuildTextBox(spec);
      break;
    case kButton:
      command1_ = new QPushButton(ToQString(spec.caption), this);
      // Enter presses the button only while it has the focus; it is no
      // window default, so Enter in a box does not calculate.
      command1_->setAutoDefault(true);
      connect(command1_, &QPushButton::clicked, this, &Form1::Command1Click);
      widget = command1_;
      break;
    case kLine: {
      auto* line = new QFrame(this);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Plain);
      line->setLineWidth(1);
      widget = line;
      break;
    }
  }
  widget->setObjectName(ToQString(spec.name));
  QRect rect = Pixels(spec);
  if (spec.kind == kLine) rect.setHeight(1);
  widget->setGeometry(rect);
}

QLineEdit* Form1::BuildTextBox(const ControlSpec& spec) {
  const grading::Field field = *grading::FieldFromName(spec.name);
  auto* box = new QLineEdit(this);
  box->setMaxLength(INT_MAX);
  box->setReadOnly(spec.read_only);
  box->setAccessibleName(ToQString(spec.accessible_name));
  if (!spec.read_only) {
    connect(box, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { sheet_.SetText(field, text.toStdString()); });
  }
  boxes_[grading::Index(field)] = box;
  return box;
}

void Form1::SetTabOrder() {
  std::vector<const ControlSpec*> order;
  for (const ControlSpec& spec : kControls) {
    if (spec.kind == kTextBox || spec.kind == kButton) order.push_back(&spec);
  }
  std::sort(order.begin(), order.end(),
            [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(findChild<QWidget*>(ToQString(order[i - 1]->name)),
                findChild<QWidget*>(ToQString(order[i]->name)));
  }
}

void Form1::CentreOnScreen() {
  if (QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

// Every box starts empty, with the focus in the first input.
void Form1::Load() {
  sheet_.Reset();
  Refresh();
  Box(grading::Field::s475)->setFocus();
}

void Form1::Command1Click() {
  try {
    const grading::CalcOutcome outcome = grading::Calculate(sheet_);
    Refresh();
    if (outcome == grading::CalcOutcome::Incomplete) Show(QMessageBox::NoIcon, IncompleteMessage());
  } catch (const grading::ConversionError& error) {
    Refresh();
    Show(QMessageBox::Warning, ErrorMessage(error));
    QLineEdit* box = Box(error.field());
    box->setFocus();
    box->selectAll();
  } catch (const grading::ArithmeticError& error) {
    Refresh();
    Show(QMessageBox::Warning, ErrorMessage(error));
  }
}

// Shows the sheet: a box whose field changed gets the new text, its
// beginning in view.
void Form1::Refresh() {
  for (grading::Field field : grading::kAllFields) {
    QLineEdit* box = Box(field);
    const QString text = QString::fromStdString(sheet_.Text(field));
    if (box->text() == text) continue;
    box->setText(text);
    box->setCursorPosition(0);
  }
  Box(grading::Field::cx)->setToolTip(Box(grading::Field::cx)->text());
}

void Form1::Show(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QString::fromLatin1(kTitle), text, QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  box.exec();
}

}  // namespace window
