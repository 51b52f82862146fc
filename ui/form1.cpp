#include "ui/form1.h"

#include "ui/artwork.h"
#include "ui/keys_window.h"
#include "ui/metrics.h"
#include "ui/navigator.h"
#include "ui/texts.h"
#include "ui/window_parts.h"

#include <QPushButton>

namespace pumpvale {

QSize Form1::designSize() {
    return metrics::size(9255, 6495);
}

Form1::Form1(Navigator& navigator, QWidget* parent) : QWidget(parent), navigator_(navigator) {
    parts::setUpWindow(*this, "Form1", "Pumpvale", designSize());
    pointToKeysHelp(*this);

    parts::addPicture(*this, "Image2", metrics::rect(0, 0, 1470, 6075), artwork::rotorStrip);
    parts::addPicture(*this, "Image1", metrics::rect(1680, 120, 7455, 2340), artwork::largeLogo);
    parts::addLabel(*this, "Label1", metrics::rect(2760, 2640, 5295, 1335),
                    "This program computes the annual energy cost savings of a durvane, Inc. progressive "
                    "cavity (PC) pump versus a typical air operated double diaphram pump (AODD).",
                    metrics::font(12, true));
    auto* Command2 =
        parts::addButton(*this, "Command2", metrics::rect(1800, 4320, 2175, 495), "About This Program");
    parts::addLabel(*this, "Label3", metrics::rect(4440, 4200, 3255, 1335), texts::kMakerAddress,
                    metrics::font(9.75));
    auto* Command3 =
        parts::addButton(*this, "Command3", metrics::rect(1800, 4920, 2175, 495), "Acknowledgements");
    // The blanks wrap the version onto a line of its own.
    parts::addLabel(*this, "Label2", metrics::rect(1800, 5760, 2775, 375),
                    "Program:      Pumpvale.exe               Version:       1.41");
    auto* Command1 = parts::addButton(*this, "Command1", metrics::rect(6960, 5760, 2175, 495), "Continue");

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::Command1_Click() {
    // The main window opens first, so that the program never runs out of windows on the way.
    navigator_.showMain();
    navigator_.closeIntro();
    navigator_.closeAbout();
    navigator_.closeAcknowledgements();
}

void Form1::Command2_Click() {
    navigator_.showAbout();
}

void Form1::Command3_Click() {
    navigator_.showAcknowledgements();
}

} // namespace pumpvale
