// Timings of the main window on the offscreen platform: building it, a whole calculation through its
// widgets, each handler alone, and opening the details and the comparison of the inlet sizes. Messages are
// dropped, so a message box's wait for the user is not counted. A handler is driven the way its widget
// drives it (a click, a change of text); the work that puts the window back for the next round is not
// timed.
#include "core/messages.h"
#include "ui/comparison_window.h"
#include "ui/form2.h"
#include "ui/message_sink.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace pumpvale {
namespace {

class DroppingSink final : public MessageSink {
public:
    void show(const Message&) override {}
};

// A shown main window, driven through its controls by name.
class Window {
public:
    Window() : form_(std::make_unique<Form2>(sink_)) { form_->show(); }

    void click(const char* name) { form_->findChild<QAbstractButton*>(name)->click(); }
    void type(const char* name, const char* text) { form_->findChild<QLineEdit*>(name)->setText(text); }
    void chooseCurrency(int index) {
        auto* list = form_->findChild<QComboBox*>("Combo1");
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // English units, one stage, 60 psi and 10 GPM in US Dollars, with the preset 90 psi of air.
    void enterWorkedExample() {
        click("Option9");
        click("Option7");
        type("Text1", "60");
        type("Text2", "10");
        chooseCurrency(0);
    }
    // On through the 1-inch inlet to the three amounts.
    void calculate() {
        click("Command2");
        click("Option3");
        click("Command3");
        click("Command4");
    }

    // "Compare Inlet Sizes...", and the window it opens.
    QWidget* compare() {
        form_->findChild<QAction*>("CompareInletSizes")->trigger();
        return form_->findChild<ComparisonWindow*>();
    }
    // "Calculation Details...", and the window it opens (the results module's, found by name).
    QWidget* details() {
        for (QAction* action : form_->actions())
            if (action->text() == QStringLiteral("Calculation Details..."))
                action->trigger();
        return form_->findChild<QWidget*>(QStringLiteral("DetailsWindow"));
    }

private:
    DroppingSink sink_;
    std::unique_ptr<Form2> form_;
};

void buildMainWindow(benchmark::State& state) {
    DroppingSink sink;
    for (auto _ : state) {
        Form2 form(sink);
        form.show();
        benchmark::DoNotOptimize(form.winId());
    }
}
BENCHMARK(buildMainWindow)->Unit(benchmark::kMicrosecond);

void wholeCalculationThroughTheWidgets(benchmark::State& state) {
    Window window;
    window.enterWorkedExample();
    for (auto _ : state) {
        window.calculate();
        window.click("Command5"); // "Press to Run Again": back to step one with every entry kept
    }
}
BENCHMARK(wholeCalculationThroughTheWidgets)->Unit(benchmark::kMicrosecond);

using Step = std::function<void(Window&)>;

// Times act alone: prepare brings a fresh window where act applies, undo brings it back each round.
void handler(benchmark::State& state, const Step& prepare, const Step& act, const Step& undo) {
    Window window;
    prepare(window);
    for (auto _ : state) {
        act(window);
        state.PauseTiming();
        undo(window);
        state.ResumeTiming();
    }
}

const Step kNothing = [](Window&) {};
const Step kAtStepOne = [](Window& w) { w.enterWorkedExample(); };
const Step kAtInletStep = [](Window& w) { w.enterWorkedExample(), w.click("Command2"), w.click("Option3"); };
const Step kAtCompressorStep = [](Window& w) { kAtInletStep(w), w.click("Command3"); };
const Step kAtResults = [](Window& w) { kAtCompressorStep(w), w.click("Command4"); };
const Step click(const char* name) {
    return [name](Window& w) { w.click(name); };
}
const Step type(const char* name, const char* text) {
    return [name, text](Window& w) { w.type(name, text); };
}

// clang-format off
BENCHMARK_CAPTURE(handler, Option9_Click,  kNothing,          click("Option9"),  kNothing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Option10_Click, kNothing,          click("Option10"), kNothing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Text1_Change,   kAtStepOne,        type("Text1", "61"), type("Text1", "60"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Text2_Change,   kAtStepOne,        type("Text2", "11"), type("Text2", "10"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Text4_Change,   kAtStepOne,        type("Text4", "2"),  type("Text4", "1"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Text5_Change,   kAtStepOne,        type("Text5", "80"), type("Text5", "75"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Text6_Change,   kAtStepOne,        type("Text6", "50"), type("Text6", "52"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Text7_Change,   kAtStepOne,        type("Text7", "5"),  type("Text7", "7"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Text8_Change,   kAtStepOne,        type("Text8", "8"),  type("Text8", "24"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Combo1_Click,   kAtStepOne,        [](Window& w) { w.chooseCurrency(4); }, kNothing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Command2_Click, kAtStepOne,        click("Command2"), click("Command1"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Option6_Click,  kAtInletStep,      click("Option6"),  kNothing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Command3_Click, kAtInletStep,      click("Command3"), click("Command7"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Command1_Click, kAtInletStep,      click("Command1"), click("Command2"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Command4_Click, kAtCompressorStep, click("Command4"), [](Window& w) { w.click("Command7"), w.click("Command3"); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Command7_Click, kAtResults,        click("Command7"), [](Window& w) { w.click("Command3"), w.click("Command4"); })->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(handler, Command5_Click, kAtResults,        click("Command5"), [](Window& w) { w.calculate(); })->Unit(benchmark::kMicrosecond);
// clang-format on

// The comparison window built, filled and drawn once (table and chart); closing it is not timed.
void openComparisonWindow(benchmark::State& state) {
    Window window;
    kAtInletStep(window);
    for (auto _ : state) {
        QWidget* comparison = window.compare();
        comparison->repaint();
        state.PauseTiming();
        delete comparison;
        state.ResumeTiming();
    }
}
BENCHMARK(openComparisonWindow)->Unit(benchmark::kMillisecond);

// The details window built, filled with the report and drawn once; closing it is not timed.
void openDetailsWindow(benchmark::State& state) {
    Window window;
    kAtResults(window);
    for (auto _ : state) {
        QWidget* details = window.details();
        details->repaint();
        state.PauseTiming();
        delete details;
        state.ResumeTiming();
    }
}
BENCHMARK(openDetailsWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pumpvale

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
