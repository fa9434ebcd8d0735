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

bool IsInk(QRgb pixel) { return qGray(pixel) < 128; }

// The rows from the first to the last holding ink (box frames are lighter),
// or (0, -1) for none.
std::pair<int, int> InkRows(const QImage& image) {
  int top = 0, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    if (std::none_of(row, row + image.width(), IsInk)) continue;
    if (bottom < 0) top = y;
    bottom = y;
  }
  return {top, bottom};
}

// The rows of paper inside the frame, along a column left of any text.
std::pair<int, int> PaperRows(const QImage& image, int column) {
  const QRgb paper = image.pixel(column, image.height() / 2);
  int top = image.height() / 2, bottom = top;
  while (top > 0 && image.pixel(column, top - 1) == paper) --top;
  while (bottom + 1 < image.height() && image.pixel(column, bottom + 1) == paper) ++bottom;
  return {top, bottom};
}

}  // namespace

int InkCentring::TopMargin(int height) {
  if (auto known = margins_.constFind(height); known != margins_.constEnd()) return *known;
  // The tallest and deepest glyphs a box may show: brackets of both widths,
  // a Han character and the Latin descenders.
  const QString sample = QStringLiteral("（砂）gjpqy(12)");
  QLineEdit box;
  box.setFont(font_);
  box.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  box.resize(box.fontMetrics().horizontalAdvance(sample) + 2 * height, height);
  box.setText(sample);
  const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const qreal ratio = image.devicePixelRatio();
  const int frame = qCeil(box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) * ratio);
  const auto [paper_top, paper_bottom] = PaperRows(image, frame + 1);
  const auto [ink_top, ink_bottom] = InkRows(image);
  const qreal off_centre =
      ink_bottom < 0 ? 0 : ((paper_top + paper_bottom) - (ink_top + ink_bottom)) / 2.0;
  return margins_[height] = qRound(off_centre / ratio);
}

}  // namespace window
