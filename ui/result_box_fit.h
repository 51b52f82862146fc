// A result box shows its whole amount, from the first digit.
//
// The boxes keep the size the layout gives them. A long amount is drawn in a smaller font, down to a
// legible size; where even that cannot hold it, the box shows the amount's first digits and a cut mark
// at its right edge, and the caller puts the whole figure in the tooltip. The box's text stays the whole
// amount, so selecting and copying it gives every digit.
#pragma once

#include <QFont>

class QWidget;

class QLineEdit;

namespace pumpvale {

// The smallest size an amount is drawn at; below it the box is marked as cut.
inline constexpr double kSmallestAmountPointSize = 6.5;

struct AmountFit {
    double pointSize = 0;
    bool cut = false; // the amount is wider than the box even at the smallest size
};

// The cut mark of box: an ellipsis at its right edge, hidden until a fit needs it. Made once per box.
QWidget* makeCutMark(QLineEdit& box);

// Fits box's text, starting from designFont: sets the font, shows the text from its first character, and
// shows or hides cutMark (made by makeCutMark for this box).
AmountFit fitAmount(QLineEdit& box, QWidget& cutMark, const QFont& designFont);

// The width the box's text can take without scrolling, in pixels.
int roomForText(const QLineEdit& box);

} // namespace pumpvale
