// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

// Where text stands in a picture of a widget: the rows holding ink, pixels
// much darker than the paper (box frames and button bevels are lighter).
struct InkRows {
  int top = -1;
  int bottom = -1;
  int Height() const { return top < 0 ? 0 : bottom - top + 1; }
};

inline InkRows FindInk(const QImage& image, const QRect& area) {
  InkRows ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) >= 128) continue;
      if (ink.top < 0) ink.top = y;
      ink.bottom = y;
      break;
    }
  }
  return ink;
}

// The same across: the columns holding ink.
inline InkRows FindInkColumns(const QImage& image) {
  // A quarter turn and a mirror: columns become rows, in the same order.
  return FindInk(image.transformed(QTransform().rotate(90)).mirrored(true, false),
                 QRect(QPoint(), image.size().transposed()));
}

// The area inside a box's frame: from the middle of its left edge, where
// no text reaches, the rows of its paper (the frame is darker than paper).
inline QRect InsideFrame(const QImage& image, int column) {
  const QRgb paper = image.pixel(column, image.height() / 2);
  int top = image.height() / 2;
  while (top > 0 && image.pixel(column, top - 1) == paper) --top;
  int bottom = image.height() / 2;
  while (bottom < image.height() - 1 && image.pixel(column, bottom + 1) == paper) ++bottom;
  return QRect(column, top, image.width() - 2 * column, bottom - top + 1);
}

// A picture of `text` drawn with nothing around it to clip it, at the
// device pixel ratio `dpr`: what a box or label must show whole.
inline QImage FreeText(const QString& text, const QFont& font, qreal dpr) {
  QImage image(QSize(400, 120) * dpr, QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(20, 60, text);
  painter.end();
  return image;
}

inline InkRows FreeInk(const QString& text, const QFont& font, qreal dpr) {
  const QImage image = FreeText(text, font, dpr);
  return FindInk(image, image.rect());
}
