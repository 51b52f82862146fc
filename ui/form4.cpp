#include "ui/form4.h"

#include "ui/artwork.h"
#include "ui/keyboard.h"
#include "ui/metrics.h"
#include "ui/window_parts.h"

#include <QPushButton>

namespace pumpvale {

Form4::Form4(QWidget* parent) : QWidget(parent) {
    parts::setUpWindow(*this, "Form4", "Acknowledgements", metrics::size(5145, 4500));

    const QFont bold = metrics::font(8.25, true);
    parts::addPicture(*this, "Image1", metrics::rect(2640, 120, 2400, 855), artwork::smallLogo);
    parts::addLabel(*this, "Label1", metrics::rect(120, 240, 1815, 255), "Special Thanks To:", bold);
    parts::addLabel(*this, "Label2", metrics::rect(360, 480, 2175, 495),
                    "Librarians (for the books)\n"
                    "Our lab (for the research)");
    parts::addLabel(*this, "Label5", metrics::rect(120, 1200, 2295, 255), "References:", bold);
    parts::addLabel(*this, "Label3", metrics::rect(120, 1440, 4455, 975),
                    "Qt 6.4 documentation, The Qt Company, 2022.\n"
                    "\n"
                    "ISO/IEC 14882:2020, the C++20 standard.");
    parts::addLabel(*this, "Label6", metrics::rect(120, 2640, 1935, 255), "Terms of Use:", bold);
    parts::addLabel(*this, "Label4", metrics::rect(120, 2880, 4815, 855),
                    "This program may be passed on freely, but it must not be changed.  By using it you "
                    "accept that durvane, Inc. is not liable for any damage it may cause.");
    auto* Command1 = parts::addButton(*this, "Command1", metrics::rect(3240, 3840, 1695, 495), "Close");
    Command1->setFocus();
    keyboard::closeOnEscape(*this);

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::Command1_Click() {
    close();
}

} // namespace pumpvale
