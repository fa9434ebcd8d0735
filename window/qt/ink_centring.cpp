// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/qt/ink_centring.h"

#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QtMath>
#include <algorithm>

namespace window {
namespace {

// The tallest and deepest glyphs a box may show: brackets of both widths, a
// Han character and the Latin descenders.
const QString& Sample() {
  static const QString sample = QStringLiteral("（砂）gjpqy(12)");
  return sample;
}

// Drawn this much taller than asked, so that nothing is cut off.
constexpr int kExtra = 20;

bool IsInk(QRgb pixel) { return qGray(pixel) < 128; }

struct Rows {
  int top;
  int bottom;  // below top when there are none
};

// The rows holding ink between the given rows and columns, or {0, -1}.
Rows InkRows(const QImage& image, Rows within, int left, int right) {
  Rows ink{0, -1};
  for (int y = within.top; y <= within.bottom; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    if (std::none_of(row + left, row + right + 1, IsInk)) continue;
    if (ink.bottom < 0) ink.top = y;
    ink.bottom = y;
  }
  return ink;
}

// The rows of paper inside a box's frame, along a column left of any text.
Rows PaperRows(const QImage& image, int column) {
  const QRgb paper = image.pixel(column, image.height() / 2);
  Rows rows{image.height() / 2, image.height() / 2};
  while (rows.top > 0 && image.pixel(column, rows.top - 1) == paper) --rows.top;
  while (rows.bottom + 1 < image.height() && image.pixel(column, rows.bottom + 1) == paper) {
    ++rows.bottom;
  }
  return rows;
}

// The margin that moves the ink's middle to the middle of `space`, in
// pixels of the widget (the image's are device pixels).
int Centring(Rows space, Rows ink, qreal ratio) {
  if (ink.bottom < 0) return 0;
  return qRound(((space.top + space.bottom) - (ink.top + ink.bottom)) / 2.0 / ratio);
}

}  // namespace

int InkCentring::TopMargin(int height) {
  if (auto known = margins_.constFind(height); known != margins_.constEnd()) return *known;
  QLineEdit box;
  box.setFont(font_);
  box.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  box.setText(Sample());
  const int width = box.fontMetrics().horizontalAdvance(Sample()) + 2 * height;
  // The paper of a box of this very height (at fractional scales the frame
  // takes a row more or less with the height); the ink of a taller one.
  box.resize(width, height);
  const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
  box.resize(width, height + kExtra);
  const QImage tall = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const qreal ratio = tall.devicePixelRatio();
  const int frame = qCeil(box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * ratio);
  const Rows paper = PaperRows(shown, frame + 1);
  const Rows ink = InkRows(tall, PaperRows(tall, frame + 1), frame + 1, tall.width() - frame - 2);
  return margins_[height] = Centring(paper, ink, ratio);
}

}  // namespace window
