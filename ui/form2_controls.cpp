#include "ui/form2_controls.h"

#include "checks/currency.h"
#include "ui/metrics.h"
#include "ui/texts.h"
#include "ui/whole_lines.h"
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
#include <unordered_map>

namespace pumpvale {

namespace {

using parts::qText;

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
        drawWholeBox(painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette().color(QPalette::Mid));
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
            return new WholeLineFrame(row.kind == Line ? QFrame::HLine : QFrame::Box, parent);
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

MainWindowControls buildMainWindowControls(QWidget& window) {
    std::unordered_map<std::string_view, QWidget*> made;
    const auto find = [&made](std::string_view name) -> QWidget* {
        const auto it = made.find(name);
        return it != made.end() ? it->second : nullptr;
    };
    for (const ControlRow& row : kControls) {
        QWidget* parent = row.parent.empty() ? &window : find(row.parent);
        QWidget* control = createControl(row, parent);
        control->setObjectName(qText(row.name));
        control->setGeometry(metrics::rect(row.left, row.top, row.width, row.height));
        control->setFont(fontOf(row.look));
        control->setVisible(row.start == Shown);
        made.emplace(row.name, control);
    }

    // A name missing from the table, or of another kind, is a fault of the program, not of a use.
    MainWindowControls c;
    const auto bind = [&find](auto*& control, std::string_view name) {
        control = qobject_cast<std::remove_reference_t<decltype(*control)>*>(find(name));
        if (control == nullptr)
            qFatal("Pumpvale: the main window's control table has no %s of its kind", name.data());
    };
    bind(c.Option9, "Option9");
    bind(c.Option10, "Option10");
    bind(c.Label4, "Label4");
    bind(c.Label5, "Label5");
    bind(c.Frame1, "Frame1");
    bind(c.Text1, "Text1");
    bind(c.Text2, "Text2");
    bind(c.Label1, "Label1");
    bind(c.Label2, "Label2");
    bind(c.Label29, "Label29");
    bind(c.Label30, "Label30");
    bind(c.Frame2, "Frame2");
    bind(c.Option7, "Option7");
    bind(c.Option8, "Option8");
    bind(c.Label25, "Label25");
    bind(c.Label26, "Label26");
    bind(c.Frame4, "Frame4");
    bind(c.Text3, "Text3");
    bind(c.Label3, "Label3");
    bind(c.Label31, "Label31");
    bind(c.Frame7, "Frame7");
    bind(c.Text6, "Text6");
    bind(c.Text7, "Text7");
    bind(c.Text8, "Text8");
    bind(c.Label18, "Label18");
    bind(c.Label19, "Label19");
    bind(c.Label20, "Label20");
    bind(c.Combo1, "Combo1");
    bind(c.Label21, "Label21");
    bind(c.Text9, "Text9");
    bind(c.Label28, "Label28");
    bind(c.Command2, "Command2");
    bind(c.Command6, "Command6");
    bind(c.Frame5, "Frame5");
    bind(c.Option1, "Option1");
    bind(c.Option2, "Option2");
    bind(c.Option3, "Option3");
    bind(c.Option4, "Option4");
    bind(c.Option5, "Option5");
    bind(c.Option6, "Option6");
    bind(c.Label8, "Label8");
    bind(c.Label9, "Label9");
    bind(c.Label10, "Label10");
    bind(c.Label11, "Label11");
    bind(c.Label12, "Label12");
    bind(c.Label13, "Label13");
    bind(c.Command3, "Command3");
    bind(c.Command1, "Command1");
    bind(c.Frame6, "Frame6");
    bind(c.Text4, "Text4");
    bind(c.Text5, "Text5");
    bind(c.Label16, "Label16");
    bind(c.Label17, "Label17");
    bind(c.Command4, "Command4");
    bind(c.Command7, "Command7");
    bind(c.Frame8, "Frame8");
    bind(c.Label23, "Label23");
    bind(c.Text11, "Text11");
    bind(c.Label32, "Label32");
    bind(c.Label22, "Label22");
    bind(c.Text10, "Text10");
    bind(c.Label33, "Label33");
    bind(c.Label24, "Label24");
    bind(c.Text12, "Text12");
    bind(c.Label34, "Label34");
    bind(c.Command5, "Command5");
    bind(c.Image1, "Image1");
    return c;
}

} // namespace pumpvale
