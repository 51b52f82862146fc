#include "ui/accessibility.h"

#include "core/accepted_ranges.h"
#include "core/limits.h"
#include "ui/form2_controls.h"
#include "ui/window_parts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace pumpvale {

namespace {

using parts::qText;

// A control's accessible name and description. In a name, "{pressure}", "{flow}" and "{currency}" stand
// for the pressure unit, the flow unit and the chosen currency; a placeholder with nothing to stand for
// yet (no unit system, no currency) is left out with the ", " before it. A name that is empty is the
// caption's text, its runs of blanks closed up. The descriptions are the accepted ranges, in each unit
// system, made from the limits in core/limits.h.
struct AccessRow {
    QWidget* control;
    QLabel* caption; // the label that names it on screen: its buddy; null when it has none
    std::string_view name;
    std::string englishRange = {};
    std::string siRange = englishRange;
};

// The entries' accepted ranges, from the limits (core/accepted_ranges.h).
std::string fluidPressureRange(UnitSystem u) {
    return "Accepted: " + ranges::onePcStage(u) + " for a one-stage pump, " + ranges::twoPcStages(u) +
           " for a two-stage pump; the AODD pumps' data covers " + ranges::aoddPressure(u) + ".";
}

std::string flowRange(UnitSystem u) {
    return "Accepted: " + ranges::pcFlow(u) + "; the AODD pumps' data covers " + ranges::aoddFlow(u) + ".";
}

std::string airPressureRange(UnitSystem u) {
    return "Accepted: " + ranges::airPressure(u) + ".";
}

std::string upTo(double most, std::string_view after = {}) {
    return "Accepted: above 0 up to " + QString::number(most).toStdString() + std::string(after) + ".";
}

// clang-format off
std::vector<AccessRow> accessRows(const MainWindowControls& c) {
    using enum UnitSystem;
    return {
    AccessRow{c.Option9,  c.Label4,  ""},
    AccessRow{c.Option10, c.Label5,  ""},
    AccessRow{c.Text1,    c.Label1,  "Fluid pressure, {pressure}", fluidPressureRange(English), fluidPressureRange(SI)},
    AccessRow{c.Text2,    c.Label2,  "Flow rate, {flow}",          flowRange(English),          flowRange(SI)},
    AccessRow{c.Option7,  c.Label25, ""},
    AccessRow{c.Option8,  c.Label26, ""},
    AccessRow{c.Text3,    c.Label3,  "System air pressure, {pressure}", airPressureRange(English), airPressureRange(SI)},
    AccessRow{c.Text6,    c.Label18, "Operating weeks per year", upTo(limits::kMaxWeeksPerYear)},
    AccessRow{c.Text7,    c.Label19, "Operating days per week",  upTo(limits::kMaxDaysPerWeek)},
    AccessRow{c.Text8,    c.Label20, "Operating hours per day",  upTo(limits::kMaxHoursPerDay)},
    AccessRow{c.Combo1,   c.Label21, "Currency of the cost of electricity"},
    AccessRow{c.Text9,    c.Label28, "Cost of electricity per kilowatt hour, {currency}",
              upTo(limits::kMaxElectricityPrice, " per kilowatt hour, in the chosen currency")},
    AccessRow{c.Command2, nullptr,        "Press to Continue, operating data"},
    AccessRow{c.Option1,  c.Label8,  ""},
    AccessRow{c.Option2,  c.Label9,  ""},
    AccessRow{c.Option3,  c.Label10, ""},
    AccessRow{c.Option4,  c.Label11, ""},
    AccessRow{c.Option5,  c.Label12, ""},
    AccessRow{c.Option6,  c.Label13, ""},
    AccessRow{c.Command3, nullptr,        "Press to Continue, inlet size"},
    AccessRow{c.Command1, nullptr,        "Go Back, inlet size"},
    AccessRow{c.Text4,    c.Label16, "Compressor stages", "Accepted: 1 or 2."},
    AccessRow{c.Text5,    c.Label17, "Compressor efficiency, percent", "Accepted: above 0, below 100."},
    AccessRow{c.Command7, nullptr,        "Go Back, compressor and costs"},
    AccessRow{c.Text11,   c.Label23, "AODD annual cost, {currency}"},
    AccessRow{c.Text10,   c.Label22, "durvane PC pump annual cost, {currency}"},
    AccessRow{c.Text12,   c.Label24, "Total annual savings, {currency}"},
    };
}
// clang-format on

// Replaces the placeholder ("{key}") in ", {key}" by value, or drops ", {key}" when value is empty.
QString fill(QString pattern, const QString& placeholder, const QString& value) {
    if (!pattern.contains(placeholder))
        return pattern;
    if (value.isEmpty())
        return pattern.remove(QStringLiteral(", ") + placeholder);
    return pattern.replace(placeholder, value);
}

// Chooses an option when its caption is clicked, as the option's own text would.
class CaptionClicks final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* caption = qobject_cast<QLabel*>(watched);
        auto* option = caption != nullptr ? qobject_cast<QRadioButton*>(caption->buddy()) : nullptr;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (option == nullptr || mouse->button() != Qt::LeftButton ||
            !caption->rect().contains(mouse->position().toPoint()) || !option->isEnabled())
            return false;
        option->setFocus(Qt::MouseFocusReason);
        option->click();
        return true;
    }
};

// Keeps the names of one main window current. The controls are looked up once, and a name or
// description is set only when it changes: each one set tells the accessibility layer, and a unit
// switch or a new currency would otherwise retell all of them.
class MainWindowNames final : public QObject {
public:
    MainWindowNames(QWidget& window, const MainWindowControls& c)
        : QObject(&window), english_(c.Option9), si_(c.Option10), currency_(c.Combo1), rows_(accessRows(c)) {
        for (const AccessRow& row : rows_) {
            names_.push_back(qText(row.name));
            englishRanges_.push_back(qText(row.englishRange));
            siRanges_.push_back(qText(row.siRange));
        }
    }

    const std::vector<AccessRow>& rows() const { return rows_; }

    void update() const {
        const bool si = si_->isChecked();
        const bool english = english_->isChecked();
        const UnitCaptions* units = si ? &kSiTexts : english ? &kEnglishTexts : nullptr;
        const QString currency = currency_->currentText();
        const QString pressureUnit = units ? qText(units->pressureUnit) : QString();
        const QString flowUnit = units ? qText(units->flowUnit) : QString();
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            QWidget* control = rows_[i].control;
            QString name = names_[i];
            if (name.isEmpty()) {
                name = rows_[i].caption->text().simplified();
            } else {
                name = fill(name, QStringLiteral("{pressure}"), pressureUnit);
                name = fill(name, QStringLiteral("{flow}"), flowUnit);
                name = fill(name, QStringLiteral("{currency}"), currency);
            }
            if (control->accessibleName() != name)
                control->setAccessibleName(name);
            // A control with no range here (an inlet option) is described by the part that knows it.
            const QString& description = si ? siRanges_[i] : englishRanges_[i];
            if (!description.isEmpty() && control->accessibleDescription() != description)
                control->setAccessibleDescription(description);
        }
    }

private:
    QRadioButton* english_;
    QRadioButton* si_;
    QComboBox* currency_;
    const std::vector<AccessRow> rows_;
    // Each row's name pattern and accepted ranges, converted once.
    std::vector<QString> names_, englishRanges_, siRanges_;
};

// A label read as a text: the whole of it one selection-less, read-only run of characters. Its place
// on the screen is the label's, character by character not being known to a label.
class ReadableLabel final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableLabel(QLabel& label) : QAccessibleWidget(&label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return words();
        return QAccessibleWidget::text(t);
    }

    // QAccessibleTextInterface
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = words();
        start = std::clamp(start, 0, int(all.size()));
        end = std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(words().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    QString words() const { return static_cast<const QLabel*>(widget())->text(); }
};

} // namespace

void makeReadableText(QLabel& label) {
    QAccessible::registerAccessibleInterface(new ReadableLabel(label));
}

void makeMainWindowAccessible(QWidget& window, const MainWindowControls& controls) {
    auto* names = new MainWindowNames(window, controls);
    auto* clicks = new CaptionClicks(&window);
    for (const AccessRow& row : names->rows()) {
        if (row.caption == nullptr)
            continue;
        row.caption->setBuddy(row.control);
        if (qobject_cast<QRadioButton*>(row.control) != nullptr)
            row.caption->installEventFilter(clicks);
    }
    // Connected after the window's own handlers, so the captions already show the new unit system.
    for (QRadioButton* option : {controls.Option9, controls.Option10})
        QObject::connect(option, &QRadioButton::clicked, names, [names] { names->update(); });
    QObject::connect(controls.Combo1, &QComboBox::currentTextChanged, names, [names] { names->update(); });
    names->update();
}

} // namespace pumpvale
