#include "app/installation_check.h"

#include "ui/details_window.h"
#include "ui/form2.h"
#include "ui/message_sink.h"
#include "ui/results_actions.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

namespace pumpvale {
namespace {

// Any message is a failure here: the worked example is accepted without one.
class CountingSink final : public MessageSink {
public:
    void show(const Message& message) override {
        std::fprintf(stderr, "pumpvale: --check-installation: unexpected message: %s\n",
                     std::string(message.text).c_str());
        ++shown;
    }
    int shown = 0;
};

int fail(const char* stage) {
    std::fprintf(stderr, "pumpvale: --check-installation failed: %s\n", stage);
    return 1;
}

} // namespace

int checkInstallation(const QString& pdfPath) {
    CountingSink messages;
    Form2 window(messages);
    window.show();
    const MainWindowControls& c = window.controls();

    // The worked example: English units, one stage, 60 psi, 10 GPM, US Dollars, the 1-inch inlet, one
    // compressor stage at 75 percent.
    c.Option9->click();
    c.Option7->click();
    c.Text1->setText("60");
    c.Text2->setText("10");
    const int dollars = c.Combo1->findText("US Dollars");
    c.Combo1->setCurrentIndex(dollars);
    emit c.Combo1->activated(dollars); // as a choice from the list does
    c.Command2->click();
    if (!window.isStepOneAccepted())
        return fail("step one was not accepted");
    c.Option3->click();
    c.Command3->click();
    c.Command4->click();
    if (!window.areResultsShown() || messages.shown > 0 || c.Text12->text().isEmpty())
        return fail("the results were not shown");

    ResultsActions& results = window.resultsActions();
    results.showDetails();
    if (results.detailsWindow() == nullptr || !results.detailsWindow()->isVisible())
        return fail("the details window did not open");

    if (results.printReportToPdf(pdfPath) != printing::Outcome::Printed || QFileInfo(pdfPath).size() == 0)
        return fail(qPrintable("no report printed to " + pdfPath));
    window.close();
    return 0;
}

} // namespace pumpvale
