// Window geometry is given in twips: 15 twips to the pixel.
#pragma once

#include <QRect>
#include <QSize>

namespace kalteron::qt {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
inline QRect twRect(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}
inline QSize twSize(int width, int height) { return {px(width), px(height)}; }

}  // namespace kalteron::qt
