#include "ui/accessibility.h"

#include "ui/form2_controls.h"
#include "ui/window_parts.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QObject>
#include <QRadioButton>
#include <array>
#include <string_view>

namespace pumpvale {

namespace {

using parts::qText;

// A control's accessible name and description. In a name, "{pressure}", "{flow}" and "{currency}" stand
// for the pressure unit, the flow unit and the chosen currency; a placeholder with nothing to stand for
// yet (no unit system, no currency) is left out with the ", " before it. A name that is empty is the
// caption's text, its runs of blanks closed up. The descriptions are the accepted ranges, in each unit
// system; an entry's range follows the rules in checks/limits.h.
struct AccessRow {
    std::string_view control;
    std::string_view caption; // the label that names it on screen: its buddy
    std::string_view name;
    std::string_view englishRange = {};
    std::string_view siRange = englishRange;
};

// clang-format off
constexpr std::array kAccessRows{
    AccessRow{"Option9",  "Label4",  ""},
    AccessRow{"Option10", "Label5",  ""},
    AccessRow{"Text1",    "Label1",  "Fluid pressure, {pressure}",
              "Accepted: 14.5 to 87 psi for a one-stage pump, 29 to 174 psi for a two-stage pump; the AODD pumps' "
              "data covers 20 to 100 psi.",
              "Accepted: 1 to 5.99 Bar for a one-stage pump, 2 to 11.99 Bar for a two-stage pump; the AODD pumps' data "
              "covers 1.38 to 6.89 Bar."},
    AccessRow{"Text2",    "Label2",  "Flow rate, {flow}",
              "Accepted: above 0.005 up to 1000 GPM; the AODD pumps' data covers 0.5 to 200 GPM.",
              "Accepted: above 0.0189 up to 3785 l/min; the AODD pumps' data covers 1.9 to 757 l/min."},
    AccessRow{"Option7",  "Label25", ""},
    AccessRow{"Option8",  "Label26", ""},
    AccessRow{"Text3",    "Label3",  "System air pressure, {pressure}",
              "Accepted: above 0, below 500 psi.", "Accepted: above 0, below 34.47 Bar."},
    AccessRow{"Text6",    "Label18", "Operating weeks per year", "Accepted: above 0 up to 52."},
    AccessRow{"Text7",    "Label19", "Operating days per week", "Accepted: above 0 up to 7."},
    AccessRow{"Text8",    "Label20", "Operating hours per day", "Accepted: above 0 up to 24."},
    AccessRow{"Combo1",   "Label21", "Currency of the cost of electricity"},
    AccessRow{"Text9",    "Label28", "Cost of electricity per kilowatt hour, {currency}",
              "Accepted: above 0 up to 50 per kilowatt hour, in the chosen currency."},
    AccessRow{"Command2", "",        "Press to Continue, operating data"},
    AccessRow{"Option1",  "Label8",  ""},
    AccessRow{"Option2",  "Label9",  ""},
    AccessRow{"Option3",  "Label10", ""},
    AccessRow{"Option4",  "Label11", ""},
    AccessRow{"Option5",  "Label12", ""},
    AccessRow{"Option6",  "Label13", ""},
    AccessRow{"Command3", "",        "Press to Continue, inlet size"},
    AccessRow{"Command1", "",        "Go Back, inlet size"},
    AccessRow{"Text4",    "Label16", "Compressor stages", "Accepted: 1 or 2."},
    AccessRow{"Text5",    "Label17", "Compressor efficiency, percent", "Accepted: above 0, below 100."},
    AccessRow{"Command7", "",        "Go Back, compressor and costs"},
    AccessRow{"Text11",   "Label23", "AODD annual cost, {currency}"},
    AccessRow{"Text10",   "Label22", "durvane PC pump annual cost, {currency}"},
    AccessRow{"Text12",   "Label24", "Total annual savings, {currency}"},
};
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
    explicit MainWindowNames(QWidget& window)
        : QObject(&window), window_(window), english_(child<QRadioButton>("Option9")),
          si_(child<QRadioButton>("Option10")), currency_(child<QComboBox>("Combo1")) {
        for (std::size_t i = 0; i < kAccessRows.size(); ++i) {
            const AccessRow& row = kAccessRows[i];
            controls_[i] = child<QWidget>(row.control);
            captions_[i] = row.caption.empty() ? nullptr : child<QLabel>(row.caption);
            names_[i] = qText(row.name);
            englishRanges_[i] = qText(row.englishRange);
            siRanges_[i] = qText(row.siRange);
        }
    }

    void update() const {
        const bool si = si_->isChecked();
        const bool english = english_->isChecked();
        const UnitCaptions* units = si ? &kSiTexts : english ? &kEnglishTexts : nullptr;
        const QString currency = currency_->currentText();
        const QString pressureUnit = units ? qText(units->pressureUnit) : QString();
        const QString flowUnit = units ? qText(units->flowUnit) : QString();
        for (std::size_t i = 0; i < kAccessRows.size(); ++i) {
            QWidget* control = controls_[i];
            QString name = names_[i];
            if (name.isEmpty()) {
                name = captions_[i]->text().simplified();
            } else {
                name = fill(name, QStringLiteral("{pressure}"), pressureUnit);
                name = fill(name, QStringLiteral("{flow}"), flowUnit);
                name = fill(name, QStringLiteral("{currency}"), currency);
            }
            if (control->accessibleName() != name)
                control->setAccessibleName(name);
            const QString& description = si ? siRanges_[i] : englishRanges_[i];
            if (control->accessibleDescription() != description)
                control->setAccessibleDescription(description);
        }
    }

    template <class T> T* child(std::string_view name) const {
        T* found = window_.findChild<T*>(qText(name));
        Q_ASSERT(found != nullptr);
        return found;
    }

private:
    QWidget& window_;
    QRadioButton* english_;
    QRadioButton* si_;
    QComboBox* currency_;
    std::array<QWidget*, kAccessRows.size()> controls_{};
    std::array<QLabel*, kAccessRows.size()> captions_{};
    // Each row's name pattern and accepted ranges, converted once.
    std::array<QString, kAccessRows.size()> names_, englishRanges_, siRanges_;
};

} // namespace

void makeMainWindowAccessible(QWidget& window) {
    auto* names = new MainWindowNames(window);
    auto* clicks = new CaptionClicks(&window);
    for (const AccessRow& row : kAccessRows) {
        if (row.caption.empty())
            continue;
        auto* caption = names->child<QLabel>(row.caption);
        auto* control = names->child<QWidget>(row.control);
        caption->setBuddy(control);
        if (qobject_cast<QRadioButton*>(control) != nullptr)
            caption->installEventFilter(clicks);
    }
    // Connected after the window's own handlers, so the captions already show the new unit system.
    for (const char* option : {"Option9", "Option10"})
        QObject::connect(names->child<QRadioButton>(option), &QRadioButton::clicked, names,
                         [names] { names->update(); });
    QObject::connect(names->child<QComboBox>("Combo1"), &QComboBox::currentTextChanged, names,
                     [names] { names->update(); });
    names->update();
}

} // namespace pumpvale
