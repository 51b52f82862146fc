// The main calculator window.
//
// One fixed page: the left column holds step one (unit system, operating data) and the exit box, the
// right column the inlet size (step two), the compressor data (step three) and the results. Every group
// but the unit system starts hidden; the handlers reveal, hide, enable and disable controls as the user
// moves through the steps. The handlers are adapters: they gather the entries, call the core, show the
// messages it returns in order and set the controls. The rules themselves live in core/, aodd/ and
// checks/.
#pragma once

#include "core/operating_case.h"

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pumpvale {

class HandlerGuard;
class MessageSink;
struct Message;
struct UnitCaptions;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Shows its messages as modal boxes.
    explicit Form2(QWidget* parent = nullptr);
    // Shows its messages through messages, which must outlive the window.
    explicit Form2(MessageSink& messages, QWidget* parent = nullptr);
    ~Form2() override;

    const OperatingCase& operatingCase() const { return case_; }
    const AnnualCosts& annualCosts() const { return costs_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Form2(std::unique_ptr<MessageSink> ownSink, MessageSink* sink, QWidget* parent);
    void build();
    void bindControls();
    void connectHandlers();
    void drawPictures();

    // The handlers, one per control and event.
    void Option9_Click();
    void Option10_Click();
    void Text1_Change();
    void Text2_Change();
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void Text7_Change();
    void Text8_Change();
    void Combo1_Click();
    void Command2_Click();
    void Option6_Click();
    void Command3_Click();
    void Command1_Click();
    void Command4_Click();
    void Command7_Click();
    void Command5_Click();
    void Command6_Click();

    // The screen changes that more than one handler makes.
    void showUnitSystem(const UnitCaptions& texts);
    void showFullResults();
    void showPcCostOnly();
    void settleFocus();

    void showMessage(const std::optional<Message>& message);
    template <class Range> void showMessages(const Range& messages);
    UnitSystem units() const;
    PumpStages pcStages() const;
    std::optional<InletSize> selectedInlet() const;
    QString formatted(double amount) const;

    QList<QWidget*> stepOneInputs() const;
    QList<QWidget*> inletOptions() const;
    QList<QWidget*> resultBoxes() const;
    static void setShown(const QList<QWidget*>& controls, bool shown);
    static void setAllEnabled(const QList<QWidget*>& controls, bool enabled);

    std::unique_ptr<MessageSink> ownSink_;
    HandlerGuard* guard_ = nullptr; // a child of the window
    MessageSink& messages_;
    OperatingCase case_;
    AnnualCosts costs_;
    QPixmap background_;

    // The controls the handlers use, by their names.
    // Step one.
    QRadioButton* Option9 = nullptr;  // English units
    QRadioButton* Option10 = nullptr; // S.I. units
    QGroupBox* Frame1 = nullptr;      // "Pressure and Flow Rate"
    QLineEdit* Text1 = nullptr;       // fluid pressure
    QLineEdit* Text2 = nullptr;       // flow
    QLabel* Label29 = nullptr;        // pressure unit
    QLabel* Label30 = nullptr;        // flow unit
    QGroupBox* Frame2 = nullptr;      // "Progressive Cavity Pump Stages"
    QRadioButton* Option7 = nullptr;  // one stage
    QRadioButton* Option8 = nullptr;  // two stages
    QGroupBox* Frame4 = nullptr;      // "System Air Pressure"
    QLineEdit* Text3 = nullptr;       // system air pressure
    QLabel* Label31 = nullptr;        // its unit
    QGroupBox* Frame7 = nullptr;      // "Operating Time and Cost of Electricity"
    QLineEdit* Text6 = nullptr;       // weeks per year
    QLineEdit* Text7 = nullptr;       // days per week
    QLineEdit* Text8 = nullptr;       // hours per day
    QComboBox* Combo1 = nullptr;      // currency
    QLineEdit* Text9 = nullptr;       // price of electricity per kWh
    QPushButton* Command2 = nullptr;  // "Press to Continue" of step one
    QPushButton* Command6 = nullptr;  // "Press To Exit"
    // Step two.
    QGroupBox* Frame5 = nullptr;     // "Air Operated Double Diaphram Pump Inlet Size"
    QRadioButton* Option1 = nullptr; // 1/4 inch, captioned by Label8
    QRadioButton* Option2 = nullptr; // 1/2 inch, Label9
    QRadioButton* Option3 = nullptr; // 1 inch, Label10
    QRadioButton* Option4 = nullptr; // 1 1/2 inch, Label11
    QRadioButton* Option5 = nullptr; // 2 inch, Label12
    QRadioButton* Option6 = nullptr; // 3 inch, Label13
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QPushButton* Command3 = nullptr; // "Press to Continue" of step two
    QPushButton* Command1 = nullptr; // "Go Back" of step two
    // Step three and the results.
    QGroupBox* Frame6 = nullptr;     // "Compressor Efficiency"
    QLineEdit* Text4 = nullptr;      // compressor stages
    QLineEdit* Text5 = nullptr;      // compressor efficiency, percent
    QPushButton* Command4 = nullptr; // "Press to Find Cost Savings!"
    QPushButton* Command7 = nullptr; // "Go Back" of step three and the results
    QGroupBox* Frame8 = nullptr;     // "Annual Cost Savings"
    QLabel* Label23 = nullptr;       // "AODD Cost:"
    QLineEdit* Text11 = nullptr;     // AODD annual cost
    QLabel* Label32 = nullptr;       // its currency
    QLineEdit* Text10 = nullptr;     // durvane (PC pump) annual cost
    QLabel* Label33 = nullptr;       // its currency
    QLabel* Label24 = nullptr;       // "TOTAL SAVINGS:"
    QLineEdit* Text12 = nullptr;     // total savings
    QLabel* Label34 = nullptr;       // its currency
    QPushButton* Command5 = nullptr; // "Press to Run Again"
    QLabel* Image1 = nullptr;        // the maker's logo
};

} // namespace pumpvale
