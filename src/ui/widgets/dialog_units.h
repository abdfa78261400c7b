#pragma once

#include <QFont>
#include <QRect>

struct ControlTemplate;

// Maps template dialog units to pixels from the dialog font, as the desktop
// the templates were drawn for does: a horizontal unit is a quarter of the
// font's average letter width, a vertical unit an eighth of its line height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const { return scale(units, baseX_, 4); }
    int y(int units) const { return scale(units, baseY_, 8); }
    QRect rect(int x0, int y0, int w, int h) const { return {x(x0), y(y0), x(w), y(h)}; }

    // The font the templates are measured in: a face with Arial's metrics at 8 points.
    static QFont dialogFont();
    // The font the controls draw their text in. Arial's letters run wider than
    // those of the bitmap face the templates were drawn with, so at the same
    // size some captions would not fit their controls; a slightly smaller size
    // of the same face restores the proportions.
    static QFont textFont();

private:
    static int scale(int units, int base, int divisor) { return (units * base + divisor / 2) / divisor; }

    int baseX_;
    int baseY_;
};
