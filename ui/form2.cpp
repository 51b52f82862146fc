#include "ui/form2.h"

#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "checks/currency.h"
#include "checks/field_checks.h"
#include "checks/operating_data.h"
#include "core/cost.h"
#include "ui/artwork.h"
#include "ui/message_sink.h"
#include "ui/metrics.h"
#include "ui/texts.h"
#include "ui/window_parts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <array>
#include <string>

namespace pumpvale {

// The texts that follow the unit system.
struct UnitCaptions {
    std::string_view pressureUnit;                 // Label29 and Label31
    std::string_view flowUnit;                     // Label30
    std::string_view airPressurePreset;            // Text3
    std::array<std::string_view, 6> inletCaptions; // Label8 to Label13; the blanks line the ranges up
};

namespace {

using parts::qText;

// clang-format off
constexpr UnitCaptions kEnglishTexts{"psi", "GPM", "90", {
    "Inlet of 1/4 inch.                (1 to 3 GPM)",
    "Inlet of 1/2 inch.                (1 to 10 GPM)",
    "Inlet of 1 inch.                    (2 to 30 GPM)",
    "Inlet of 1 1/2 inch.             (5 to 50 GPM)",
    "Inlet of 2 inch.                    (10 to 125 GPM)",
    "Inlet of 3 inch.                    (15 to 200 GPM)",
}};
constexpr UnitCaptions kSiTexts{"Bar", "l/min", "6.5", {
    "Inlet of 6.35mm        (1/4 in.)        (3.8 to 11.4 l/min)",
    "Inlet of 12.7mm        (1/2 in.)        (3.8 to 37.9 l/min)",
    "Inlet of 25.4mm        (1 in.)         (7.6 to 113.6 l/min)",
    "Inlet of 38.1mm      (1 1/2 in.)  (18.9 to 189.3 l/min)",
    "Inlet of 50.8mm         (2 in.)      (37.9 to 473.2 l/min)",
    "Inlet of 76.2mm         (3 in.)      (56.8 to 757.1 l/min)",
}};
// clang-format on

enum class Kind {
    Group,
    Label,
    Entry,
    ResultBox,
    Option,
    Button,
    TallButton,
    List,
    Picture,
    Line,
    Rectangle
};
enum class Start { Shown, Hidden };
enum class Look { Plain, Bold, Wrapped, Address, Heading };

// Positions in twips, relative to the parent group or to the window's client area. Option buttons are
// bare; the label to their right carries their text.
struct ControlRow {
    std::string_view name;
    Kind kind;
    std::string_view caption; // an entry's initial text
    std::string_view parent;  // empty: the window
    int left, top, width, height;
    Start start = Start::Shown;
    Look look = Look::Plain;
};

using enum Kind;
using enum Start;
using enum Look;

// Parents come before their children; later rows lie on top of earlier ones.
// clang-format off
constexpr std::array kControls{
    //          name        kind        caption                                            parent    L     T     W     H     start   look
    // The left column: step one and the exit box.
    ControlRow{"Frame3",   Group,      "Select Unit System",                              "",       120,  120,  4695, 615},
    ControlRow{"Frame1",   Group,      "Pressure and Flow Rate",                          "",       120,  840,  4695, 975,  Hidden},
    ControlRow{"Frame2",   Group,      "Progressive Cavity Pump Stages",                  "",       120,  1920, 4695, 615,  Hidden},
    ControlRow{"Frame4",   Group,      "System Air Pressure",                             "",       120,  2640, 4695, 615,  Hidden},
    ControlRow{"Frame7",   Group,      "Operating Time and Cost of Electricity",          "",       120,  3360, 4695, 2535, Hidden},
    ControlRow{"Command2", Button,     "Press to Continue",                               "",       120,  6000, 4695, 375,  Hidden},
    ControlRow{"Shape1",   Rectangle,  "",                                                "",       120,  6600, 4695, 1575},
    ControlRow{"Command6", Button,     "Press To Exit",                                   "",       240,  6720, 2415, 375},
    ControlRow{"Label6",   Label,      texts::kMakerAddress,                              "",       2760, 6720, 3495, 1215, Shown,  Address},
    ControlRow{"Image1",   Picture,    "",                                                "",       240,  7200, 2400, 855},
    // The right column: inlet size, compressor, results.
    ControlRow{"Frame5",   Group,      "Air Operated Double Diaphram Pump Inlet Size",    "",       5040, 120,  4695, 3135, Hidden},
    ControlRow{"Command3", Button,     "Press to Continue",                               "",       5040, 3360, 2295, 375,  Hidden},
    ControlRow{"Command1", Button,     "Go Back",                                         "",       7440, 3360, 2295, 375,  Hidden},
    ControlRow{"Frame6",   Group,      "Compressor Efficiency",                           "",       5040, 3840, 4695, 2055, Hidden},
    ControlRow{"Command4", Button,     "Press to Find Cost Savings!",                     "",       5040, 6000, 2295, 375,  Hidden},
    ControlRow{"Command7", Button,     "Go Back",                                         "",       7440, 6000, 2295, 375,  Hidden},
    ControlRow{"Frame8",   Group,      "Annual Cost Savings",                             "",       5040, 6480, 4695, 1695, Hidden, Heading},
    // Select Unit System.
    ControlRow{"Option9",  Option,     "",                                                "Frame3", 240,  240,  255,  255},
    ControlRow{"Label4",   Label,      "English Units",                                   "Frame3", 600,  240,  1215, 255},
    ControlRow{"Option10", Option,     "",                                                "Frame3", 2400, 240,  255,  255},
    ControlRow{"Label5",   Label,      "S.I. Units",                                      "Frame3", 2760, 240,  1095, 255},
    // Pressure and Flow Rate.
    ControlRow{"Label1",   Label,      "Please enter the desired fluid pressure",         "Frame1", 120,  240,  2775, 255},
    ControlRow{"Text1",    Entry,      "",                                                "Frame1", 3120, 240,  735,  285},
    ControlRow{"Label29",  Label,      "",                                                "Frame1", 3960, 240,  615,  255},
    ControlRow{"Label2",   Label,      "Please enter the desired fluid flow rate",        "Frame1", 120,  600,  2775, 255},
    ControlRow{"Text2",    Entry,      "",                                                "Frame1", 3120, 600,  735,  285},
    ControlRow{"Label30",  Label,      "",                                                "Frame1", 3960, 600,  615,  255},
    // Progressive Cavity Pump Stages.
    ControlRow{"Option7",  Option,     "",                                                "Frame2", 120,  240,  255,  255},
    ControlRow{"Label25",  Label,      "One Stage",                                       "Frame2", 480,  240,  1695, 255},
    ControlRow{"Option8",  Option,     "",                                                "Frame2", 2400, 240,  255,  255},
    ControlRow{"Label26",  Label,      "Two Stage",                                       "Frame2", 2760, 240,  1815, 255},
    // System Air Pressure.
    ControlRow{"Label3",   Label,      "Enter available system air pressure",             "Frame4", 120,  240,  2655, 255},
    ControlRow{"Text3",    Entry,      "",                                                "Frame4", 3120, 240,  735,  285},
    ControlRow{"Label31",  Label,      "",                                                "Frame4", 3960, 240,  615,  255},
    // Operating Time and Cost of Electricity.
    ControlRow{"Label18",  Label,      "Operating Weeks Per Year",                        "Frame7", 600,  240,  2055, 255},
    ControlRow{"Text6",    Entry,      "52",                                              "Frame7", 3120, 240,  735,  315},
    ControlRow{"Label19",  Label,      "Operating Days Per Week",                         "Frame7", 600,  720,  2415, 255},
    ControlRow{"Text7",    Entry,      "7",                                               "Frame7", 3120, 720,  735,  315},
    ControlRow{"Label20",  Label,      "Operating Hours Per Day",                         "Frame7", 600,  1200, 2295, 255},
    ControlRow{"Text8",    Entry,      "24",                                              "Frame7", 3120, 1200, 735,  315},
    ControlRow{"Label21",  Label,      "Enter Cost of  Electricity in",                   "Frame7", 120,  1680, 975,  495,  Shown,  Wrapped},
    ControlRow{"Combo1",   List,       "",                                                "Frame7", 1080, 1800, 1455, 315},
    ControlRow{"Label27",  Label,      "(Select Currency)",                               "Frame7", 1200, 2160, 1215, 255},
    ControlRow{"Label28",  Label,      "per kilowatt hour",                               "Frame7", 2640, 1800, 1335, 255},
    ControlRow{"Text9",    Entry,      "",                                                "Frame7", 3960, 1800, 615,  285},
    // Air Operated Double Diaphram Pump Inlet Size.
    ControlRow{"Label7",   Label,      "Please select an inlet size for your AODD pump.", "Frame5", 600,  240,  3495, 255},
    ControlRow{"Line1",    Line,       "",                                                "Frame5", 600,  480,  3360, 15},
    ControlRow{"Option1",  Option,     "",                                                "Frame5", 120,  600,  255,  255},
    ControlRow{"Label8",   Label,      kEnglishTexts.inletCaptions[0],                    "Frame5", 600,  600,  3615, 255},
    ControlRow{"Option2",  Option,     "",                                                "Frame5", 120,  960,  255,  255},
    ControlRow{"Label9",   Label,      kEnglishTexts.inletCaptions[1],                    "Frame5", 600,  960,  3615, 255},
    ControlRow{"Option3",  Option,     "",                                                "Frame5", 120,  1320, 255,  255},
    ControlRow{"Label10",  Label,      kEnglishTexts.inletCaptions[2],                    "Frame5", 600,  1320, 3615, 255},
    ControlRow{"Option4",  Option,     "",                                                "Frame5", 120,  1680, 255,  255},
    ControlRow{"Label11",  Label,      kEnglishTexts.inletCaptions[3],                    "Frame5", 600,  1680, 3615, 255},
    ControlRow{"Option5",  Option,     "",                                                "Frame5", 120,  2040, 255,  255},
    ControlRow{"Label12",  Label,      kEnglishTexts.inletCaptions[4],                    "Frame5", 600,  2040, 3615, 255},
    ControlRow{"Option6",  Option,     "",                                                "Frame5", 120,  2400, 255,  255},
    ControlRow{"Label13",  Label,      kEnglishTexts.inletCaptions[5],                    "Frame5", 600,  2400, 3615, 255},
    ControlRow{"Label14",  Label,      "NOTE: All AODD pump values are for Rubber-fitted models.", "Frame5", 120, 2760, 4335, 255},
    // Compressor Efficiency.
    ControlRow{"Label15",  Label,      "This section computes the efficiency of an AODD pump.", "Frame6", 360, 240, 4095, 255},
    ControlRow{"Line2",    Line,       "",                                                "Frame6", 360,  480,  3960, 15},
    ControlRow{"Label16",  Label,      "Please enter the number of compressor stages (usually one, but possibly two)",
                                                                                          "Frame6", 120,  600,  3015, 495,  Shown,  Wrapped},
    ControlRow{"Text4",    Entry,      "1",                                               "Frame6", 3360, 600,  1095, 375},
    ControlRow{"Label17",  Label,      "Please enter the efficiency of your air compressor (generally ranges between 60 to 90 "
                                       "percent.  A good estimate is 75 percent.",        "Frame6", 120,  1200, 3135, 735,  Shown,  Wrapped},
    ControlRow{"Text5",    Entry,      "75",                                              "Frame6", 3360, 1200, 1095, 375},
    // Annual Cost Savings.
    ControlRow{"Label23",  Label,      "AODD Cost:    ",                                  "Frame8", 120,  360,  1335, 255,  Shown,  Bold},
    ControlRow{"Text11",   ResultBox,  "",                                                "Frame8", 1800, 240,  975,  375},
    ControlRow{"Label32",  Label,      "",                                                "Frame8", 2880, 240,  855,  375,  Shown,  Wrapped},
    ControlRow{"Label22",  Label,      "durvane Cost:  ",                                 "Frame8", 120,  840,  1335, 255,  Shown,  Bold},
    ControlRow{"Text10",   ResultBox,  "",                                                "Frame8", 1800, 720,  975,  375},
    ControlRow{"Label33",  Label,      "",                                                "Frame8", 2880, 720,  855,  375,  Shown,  Wrapped},
    ControlRow{"Label24",  Label,      "TOTAL SAVINGS:  ",                                "Frame8", 120,  1320, 1695, 255,  Shown,  Bold},
    ControlRow{"Text12",   ResultBox,  "",                                                "Frame8", 1800, 1200, 975,  375},
    ControlRow{"Label34",  Label,      "",                                                "Frame8", 2880, 1200, 855,  375,  Shown,  Wrapped},
    ControlRow{"Command5", TallButton, "Press to Run Again",                              "Frame8", 3720, 360,  855,  1095},
};
// clang-format on

constexpr QColor kHeadingColour(64, 64, 64);

std::string utf8(const QString& text) {
    return text.toStdString();
}

// A group frame with its caption in the top border, white inside whatever the style's own frames look
// like.
class GroupFrame final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    // Colours the caption alone, not the group's contents.
    void setCaptionColour(const QColor& colour) { captionColour_ = colour; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, metrics.height() / 2, -1, -1));
        const int padding = metrics.averageCharWidth() / 2;
        const QRect caption(metrics::px(120), 0, metrics.horizontalAdvance(title()) + 2 * padding,
                            metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(captionColour_.isValid() ? captionColour_ : palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }

private:
    QColor captionColour_;
};

// A push button whose caption wraps onto as many lines as its width needs.
class WrappingButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                             QPalette::ButtonText);
    }
};

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    const QString caption = qText(row.caption);
    switch (row.kind) {
        case Group: {
            auto* group = new GroupFrame(caption, parent);
            group->setAutoFillBackground(true);
            if (row.look == Heading)
                group->setCaptionColour(kHeadingColour);
            return group;
        }
        case Label:
        case Picture: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setText(caption);
            label->setWordWrap(row.look == Wrapped || row.look == Address);
            label->setAlignment(row.look == Address ? Qt::AlignLeft | Qt::AlignTop
                                                    : Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case Entry:
            return new QLineEdit(caption, parent);
        case ResultBox: {
            // A computed amount can be selected and copied, never typed over.
            auto* box = new QLineEdit(caption, parent);
            box->setReadOnly(true);
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Button));
            box->setPalette(palette);
            return box;
        }
        case Option:
            return new QRadioButton(parent);
        case Button:
            return new QPushButton(caption, parent);
        case TallButton:
            return new WrappingButton(caption, parent);
        case List: {
            auto* list = new QComboBox(parent);
            for (const Currency& currency : kCurrencies)
                list->addItem(qText(currency.name));
            list->setCurrentIndex(-1);
            return list;
        }
        case Line:
        case Rectangle: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(row.kind == Line ? QFrame::HLine : QFrame::Box);
            frame->setFrameShadow(QFrame::Plain);
            frame->setLineWidth(1);
            return frame;
        }
    }
    return nullptr;
}

QFont fontOf(Look look) {
    switch (look) {
        case Address:
            return metrics::font(9.75);
        case Bold:
        case Heading:
            return metrics::font(8.25, true);
        case Plain:
        case Wrapped:
            break;
    }
    return metrics::font(8.25);
}

} // namespace

Form2::Form2(QWidget* parent) : Form2(std::make_unique<MessageBoxSink>(this), nullptr, parent) {
}

Form2::Form2(MessageSink& messages, QWidget* parent) : Form2(nullptr, &messages, parent) {
}

Form2::Form2(std::unique_ptr<MessageSink> ownSink, MessageSink* sink, QWidget* parent)
    : QWidget(parent), ownSink_(std::move(ownSink)), messages_(sink != nullptr ? *sink : *ownSink_) {
    build();
    bindControls();
    drawPictures();
    connectHandlers();
}

Form2::~Form2() = default;

void Form2::build() {
    // The title bar shows no text.
    parts::setUpWindow(*this, "Form2", "  ", metrics::size(9885, 8220));

    for (const ControlRow& row : kControls) {
        QWidget* parent = row.parent.empty() ? this : findChild<QWidget*>(qText(row.parent));
        QWidget* control = createControl(row, parent);
        control->setObjectName(qText(row.name));
        control->setGeometry(metrics::rect(row.left, row.top, row.width, row.height));
        control->setFont(fontOf(row.look));
        control->setVisible(row.start == Shown);
    }
}

void Form2::bindControls() {
    const auto bind = [this](auto*& control, const char* name) {
        control = findChild<std::remove_reference_t<decltype(*control)>*>(name);
        Q_ASSERT(control != nullptr);
    };
    bind(Option9, "Option9");
    bind(Option10, "Option10");
    bind(Frame1, "Frame1");
    bind(Text1, "Text1");
    bind(Text2, "Text2");
    bind(Label29, "Label29");
    bind(Label30, "Label30");
    bind(Frame2, "Frame2");
    bind(Option7, "Option7");
    bind(Option8, "Option8");
    bind(Frame4, "Frame4");
    bind(Text3, "Text3");
    bind(Label31, "Label31");
    bind(Frame7, "Frame7");
    bind(Text6, "Text6");
    bind(Text7, "Text7");
    bind(Text8, "Text8");
    bind(Combo1, "Combo1");
    bind(Text9, "Text9");
    bind(Command2, "Command2");
    bind(Command6, "Command6");
    bind(Frame5, "Frame5");
    bind(Option1, "Option1");
    bind(Option2, "Option2");
    bind(Option3, "Option3");
    bind(Option4, "Option4");
    bind(Option5, "Option5");
    bind(Option6, "Option6");
    bind(Label8, "Label8");
    bind(Label9, "Label9");
    bind(Label10, "Label10");
    bind(Label11, "Label11");
    bind(Label12, "Label12");
    bind(Label13, "Label13");
    bind(Command3, "Command3");
    bind(Command1, "Command1");
    bind(Frame6, "Frame6");
    bind(Text4, "Text4");
    bind(Text5, "Text5");
    bind(Command4, "Command4");
    bind(Command7, "Command7");
    bind(Frame8, "Frame8");
    bind(Label23, "Label23");
    bind(Text11, "Text11");
    bind(Label32, "Label32");
    bind(Text10, "Text10");
    bind(Label33, "Label33");
    bind(Label24, "Label24");
    bind(Text12, "Text12");
    bind(Label34, "Label34");
    bind(Command5, "Command5");
    bind(Image1, "Image1");

    // Hidden and disabled controls are skipped, so the window opens with the focus on "Press To Exit".
    const QList<QWidget*> focusOrder{
        Text1,  Text2,    Text3,    Option1, Option2,  Option3, Option4,  Option5,  Option6,  Command2,
        Text4,  Text5,    Command3, Text6,   Text7,    Text8,   Text9,    Command4, Text10,   Text11,
        Text12, Command5, Option7,  Option8, Command6, Option9, Option10, Combo1,   Command1, Command7};
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    Command6->setFocus();
}

void Form2::connectHandlers() {
    connect(Option9, &QRadioButton::clicked, this, &Form2::Option9_Click);
    connect(Option10, &QRadioButton::clicked, this, &Form2::Option10_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form2::Text2_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form2::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Form2::Text5_Change);
    connect(Text6, &QLineEdit::textChanged, this, &Form2::Text6_Change);
    connect(Text7, &QLineEdit::textChanged, this, &Form2::Text7_Change);
    connect(Text8, &QLineEdit::textChanged, this, &Form2::Text8_Change);
    connect(Combo1, &QComboBox::activated, this, &Form2::Combo1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Option6, &QRadioButton::clicked, this, &Form2::Option6_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
}

// The pictures are drawn for the screen's pixel density, so they stay crisp on a scaled desktop.
void Form2::drawPictures() {
    const qreal ratio = devicePixelRatioF();
    if (!background_.isNull() && background_.devicePixelRatio() == ratio)
        return;
    background_ = artwork::forScreen(artwork::mainBackground, ratio);
    Image1->setPixmap(artwork::forScreen(artwork::smallLogo, ratio));
}

void Form2::showEvent(QShowEvent* event) {
    drawPictures();
    QWidget::showEvent(event);
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, background_);
}

// --- Handlers ---

void Form2::Option9_Click() {
    showUnitSystem(kEnglishTexts);
}

void Form2::Option10_Click() {
    showUnitSystem(kSiTexts);
}

void Form2::Text1_Change() {
    showMessage(pressureEdited(case_, utf8(Text1->text()), units()));
}

void Form2::Text2_Change() {
    showMessage(flowEdited(case_, utf8(Text2->text()), units()));
}

void Form2::Text4_Change() {
    showMessage(compressorStagesEdited(case_, utf8(Text4->text())));
}

void Form2::Text5_Change() {
    showMessage(compressorEfficiencyEdited(case_, utf8(Text5->text())));
}

void Form2::Text6_Change() {
    showMessage(weeksEdited(case_, utf8(Text6->text())));
}

void Form2::Text7_Change() {
    showMessage(daysEdited(case_, utf8(Text7->text())));
}

void Form2::Text8_Change() {
    showMessage(hoursEdited(case_, utf8(Text8->text())));
}

void Form2::Combo1_Click() {
    if (const auto price = defaultPriceFor(utf8(Combo1->currentText())))
        Text9->setText(qText(*price));
}

void Form2::Command2_Click() {
    const std::string pressure = utf8(Text1->text()), flow = utf8(Text2->text()), air = utf8(Text3->text()),
                      weeks = utf8(Text6->text()), days = utf8(Text7->text()), hours = utf8(Text8->text()),
                      price = utf8(Text9->text()), currency = utf8(Combo1->currentText());
    const auto result = closeOperatingDataStep(
        case_, {pressure, flow, air, weeks, days, hours, price, pcStages(), units(), currency});
    showMessages(result.messages);
    if (result.outcome == OperatingDataOutcome::Rejected)
        return;
    if (result.outcome == OperatingDataOutcome::PcCostOnly)
        setShown({Command4, Command7}, true);
    else
        setShown({Frame5, Command3, Command1}, true);
    Command2->setEnabled(false);
    setAllEnabled(stepOneInputs(), false);
}

void Form2::Option6_Click() {
    showMessages(lookupThreeInch(case_).messages);
}

void Form2::Command3_Click() {
    const auto result = closeInletStep(case_, costs_, selectedInlet());
    showMessages(result.messages);
    switch (result.handover) {
        case InletHandover::CompressorStep:
            setShown({Frame6, Command4, Command7}, true);
            setAllEnabled({Text4, Text5}, true);
            setAllEnabled({Command1, Command3}, false);
            setAllEnabled(inletOptions(), false);
            break;
        case InletHandover::PcCostOnly:
            // The same display as from the cost button, currency labels included.
            showPcCostOnly();
            setAllEnabled({Command1, Command3}, false);
            setAllEnabled(inletOptions(), false);
            break;
        case InletHandover::StayOpen:
            break;
    }
}

void Form2::Command1_Click() {
    setShown({Frame5, Command3, Command1}, false);
    Command2->setEnabled(true);
    setAllEnabled(stepOneInputs(), true);
}

void Form2::Command4_Click() {
    const auto result = findCostSavings(case_, costs_, utf8(Text4->text()), utf8(Text5->text()));
    showMessages(result.messages);
    if (result.display == CostDisplay::Full)
        showFullResults();
    else if (result.display == CostDisplay::PcCostOnly)
        showPcCostOnly();
}

// Two independent tests: in the PC-only path both hold and the window returns to step one.
void Form2::Command7_Click() {
    if (case_.stepStatus == StepStatus::Ok) {
        setShown({Frame6, Frame8, Command4, Command7}, false);
        setAllEnabled({Command3, Command1}, true);
        setAllEnabled(inletOptions(), true);
        setAllEnabled(resultBoxes(), false);
        Command4->setEnabled(true);
    }
    if (case_.pcCostOnly) {
        Command2->setEnabled(true);
        setShown({Command4, Command7}, false);
        setAllEnabled(stepOneInputs(), true);
        setAllEnabled(resultBoxes(), false);
        Command4->setEnabled(true);
        Frame8->hide();
    }
}

// Back to step one with every entry and choice kept.
void Form2::Command5_Click() {
    setShown({Frame5, Command3, Command1, Frame6, Frame8, Command4, Command7}, false);
    Command2->setEnabled(true);
    setAllEnabled(stepOneInputs(), true);
    setAllEnabled({Command3, Command1}, true);
    setAllEnabled(inletOptions(), true);
    Command4->setEnabled(true);
    prepareToRunAgain(case_);
}

void Form2::Command6_Click() {
    close();
}

// --- Screen changes ---

void Form2::showUnitSystem(const UnitCaptions& texts) {
    setShown({Frame1, Frame2, Frame4, Frame7, Command2}, true);
    Label29->setText(qText(texts.pressureUnit));
    Label30->setText(qText(texts.flowUnit));
    Label31->setText(qText(texts.pressureUnit));
    const std::array captions{Label8, Label9, Label10, Label11, Label12, Label13};
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i]->setText(qText(texts.inletCaptions[i]));
    Text3->setText(qText(texts.airPressurePreset));
}

void Form2::showFullResults() {
    setAllEnabled(resultBoxes(), true);
    setShown({Text11, Text12, Label23, Label24}, true);
    Text10->setText(formatted(costs_.pcAnnualCost));
    Text11->setText(formatted(costs_.aoddAnnualCost));
    Text12->setText(formatted(costs_.totalSavings));
    for (QLabel* currency : {Label32, Label33, Label34})
        currency->setText(Combo1->currentText());
    Command4->setEnabled(false);
    Frame8->show();
    setAllEnabled({Text4, Text5}, false);
    settleFocus();
}

void Form2::showPcCostOnly() {
    Frame8->show();
    setShown({Text11, Text12, Label23, Label24}, false);
    Text10->setEnabled(true);
    Text10->setText(formatted(costs_.pcAnnualCost));
    Label33->setText(Combo1->currentText());
    Label32->clear();
    Label34->clear();
    setAllEnabled({Text4, Text5, Text6, Text7, Text8, Text9, Command4}, false);
    settleFocus();
}

// The button that showed the results is disabled now; without this the focus would fall on the first
// result box and show its figure selected. "Press to Run Again" is where the user goes next.
void Form2::settleFocus() {
    Command5->setFocus();
}

// --- Helpers ---

void Form2::showMessage(const std::optional<Message>& message) {
    if (message)
        messages_.show(*message);
}

template <class Range> void Form2::showMessages(const Range& messages) {
    for (const Message& message : messages)
        messages_.show(message);
}

UnitSystem Form2::units() const {
    return unitSystemOf(Option9->isChecked(), Option10->isChecked());
}

PumpStages Form2::pcStages() const {
    return Option7->isChecked() ? PumpStages::One : Option8->isChecked() ? PumpStages::Two : PumpStages::None;
}

std::optional<InletSize> Form2::selectedInlet() const {
    const std::array options{Option1, Option2, Option3, Option4, Option5, Option6};
    constexpr std::array kSizes{InletSize::Quarter,    InletSize::Half, InletSize::One,
                                InletSize::OneAndHalf, InletSize::Two,  InletSize::Three};
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return kSizes[i];
    return std::nullopt;
}

// The "Standard" format with the user's separators.
QString Form2::formatted(double amount) const {
    const QLocale locale;
    return qText(formatStandard(amount, utf8(locale.decimalPoint()), utf8(locale.groupSeparator())));
}

QList<QWidget*> Form2::stepOneInputs() const {
    return {Option7, Option8, Option9, Option10, Text1, Text2, Text3, Text6, Text7, Text8, Text9, Combo1};
}

QList<QWidget*> Form2::inletOptions() const {
    return {Option1, Option2, Option3, Option4, Option5, Option6};
}

QList<QWidget*> Form2::resultBoxes() const {
    return {Text10, Text11, Text12};
}

void Form2::setShown(const QList<QWidget*>& controls, bool shown) {
    for (QWidget* control : controls)
        control->setVisible(shown);
}

void Form2::setAllEnabled(const QList<QWidget*>& controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

} // namespace pumpvale
