#include "ui/form3.h"

#include "ui/artwork.h"
#include "ui/keyboard.h"
#include "ui/metrics.h"
#include "ui/window_parts.h"

#include <QPushButton>

namespace pumpvale {

Form3::Form3(QWidget* parent) : QWidget(parent) {
    parts::setUpWindow(*this, "Form3", "About", metrics::size(4680, 6195));

    // The blanks of the first line wrap the version onto a line of its own.
    parts::addLabel(*this, "Label2", metrics::rect(120, 120, 2775, 975),
                    "Program:      Pumpvale.exe               Version:      1.41\n"
                    "By the Pumpvale developers\n"
                    "Created on:  6/16/04\n"
                    "Made for durvane, Inc.");
    parts::addLabel(*this, "Label3", metrics::rect(120, 1320, 4335, 735),
                    "All calculations assume Standard Temperature and Pressure.  Atmospheric pressure "
                    "assumed to be at the inlet of the compressor for air compressor power calculations.");
    parts::addLabel(*this, "Label4", metrics::rect(120, 2280, 4335, 495),
                    "AODD performance data taken from various AODD pump manufacturers' promotional "
                    "literature.");
    parts::addLabel(*this, "Label1", metrics::rect(120, 3000, 4215, 1215),
                    "Air compressor power is calculated with the standard multi-stage adiabatic "
                    "compression power formula, taking an equal pressure ratio in each stage, and is then "
                    "divided by the compressor efficiency.");
    parts::addLabel(*this, "Label5", metrics::rect(120, 4440, 4215, 495),
                    "Cost of electricity averages based on 2003 US DoE.  Currency exchange rates as of "
                    "6/28/04 from MSN Money.");
    parts::addPicture(*this, "Image1", metrics::rect(120, 5160, 2400, 855), artwork::smallLogo);
    auto* Command1 = parts::addButton(*this, "Command1", metrics::rect(2880, 5520, 1695, 495), "Close");
    Command1->setFocus();
    keyboard::closeOnEscape(*this);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Command1_Click() {
    close();
}

} // namespace pumpvale
