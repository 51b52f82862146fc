// How the windows' design units become pixels and fonts.
//
// The layout was drawn in twips (15 to a pixel at 96 dpi) for a narrow bitmap sans-serif font. DejaVu
// Sans, which every Debian desktop has, is up to a fifth wider at the same size, so every window is drawn
// a quarter larger than its design size while the fonts keep theirs: the texts fit their controls and the
// columns, rows and proportions stay as drawn.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QtGlobal>

namespace pumpvale::metrics {

inline constexpr double kScale = 1.25;
inline constexpr double kTwipsPerPixel = 15.0;

// A length in twips, in pixels of the scaled layout.
inline int px(int twips) {
    return qRound(twips * kScale / kTwipsPerPixel);
}
inline QRect rect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}
inline QSize size(int width, int height) {
    return {px(width), px(height)};
}

inline constexpr const char* kFontFamily = "DejaVu Sans";

// The design's font at pointSize (8.25 is the windows' default). Its size is not scaled with the layout:
// that is what gives the wider font its room.
inline QFont font(double pointSize = 8.25, bool bold = false) {
    QFont f(kFontFamily);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace pumpvale::metrics
