// A desktop's dark colour scheme, as an application palette: light text on dark windows, entries and
// buttons.
#pragma once

#include <QColor>
#include <QPalette>

namespace pumpvale::testing {

inline QPalette darkDesktopPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35)); // button and window
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(group, QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
        dark.setColor(group, QPalette::Text, Qt::white);
        dark.setColor(group, QPalette::Button, QColor(0x35, 0x35, 0x35));
        dark.setColor(group, QPalette::ButtonText, Qt::white);
        dark.setColor(group, QPalette::Mid, QColor(0x60, 0x60, 0x60));
        dark.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    }
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7f, 0x7f, 0x7f));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7f, 0x7f, 0x7f));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7f, 0x7f, 0x7f));
    return dark;
}

} // namespace pumpvale::testing
