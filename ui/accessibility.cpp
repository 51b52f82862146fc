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

// Replaces ", {key}" by ", value", or drops it when value is empty.
QString fill(QString pattern, const QString& key, const QString& value) {
    const QString placeholder = QStringLiteral("{%1}").arg(key);
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

// Keeps the names of one main window current.
class MainWindowNames final : public QObject {
public:
    explicit MainWindowNames(QWidget& window) : QObject(&window), window_(window) {}

    void update() const {
        const bool si = child<QRadioButton>("Option10")->isChecked();
        const bool english = child<QRadioButton>("Option9")->isChecked();
        const UnitCaptions* units = si ? &kSiTexts : english ? &kEnglishTexts : nullptr;
        const QString currency = child<QComboBox>("Combo1")->currentText();
        for (const AccessRow& row : kAccessRows) {
            auto* control = child<QWidget>(row.control);
            QString name = qText(row.name);
            if (name.isEmpty()) {
                name = child<QLabel>(row.caption)->text().simplified();
            } else {
                name = fill(name, QStringLiteral("pressure"), units ? qText(units->pressureUnit) : QString());
                name = fill(name, QStringLiteral("flow"), units ? qText(units->flowUnit) : QString());
                name = fill(name, QStringLiteral("currency"), currency);
            }
            control->setAccessibleName(name);
            control->setAccessibleDescription(qText(si ? row.siRange : row.englishRange));
        }
    }

    template <class T> T* child(std::string_view name) const {
        T* found = window_.findChild<T*>(qText(name));
        Q_ASSERT(found != nullptr);
        return found;
    }

private:
    QWidget& window_;
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
