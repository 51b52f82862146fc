// Drives a real main window the way a user does: clicks with the mouse, types keystroke by keystroke,
// steps through the currency list with the arrow keys. Messages are recorded instead of shown.
#pragma once

#include "core/messages.h"
#include "ui/form2.h"
#include "ui/message_sink.h"
#include "screen_state.h"

#include <QString>
#include <memory>

namespace pumpvale::testing {

class RecordingSink final : public MessageSink {
public:
    void show(const Message& message) override { shown.push_back(message); }
    Messages shown;
};

class MainWindowDriver {
public:
    // Creates the window and shows it, so that its controls have their real places for the mouse.
    MainWindowDriver();
    ~MainWindowDriver();

    Form2& window() { return *window_; }
    template <class T = QWidget> T* control(const char* name) const {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const; // of an entry or a label

    void click(const char* name);
    // Replaces an entry's text, one keystroke at a time.
    void type(const char* name, const QString& text);
    void erase(const char* name);
    void chooseCurrency(const QString& name);

    // The worked example: English units, one stage, 60 psi, 10 GPM, "US Dollars" (0.065 per kWh), the
    // preset 90 psi of air, 52 weeks, 7 days, 24 hours.
    void enterWorkedExample();
    // With step one open: 60 GPM at 50 psi with 50 psi of air, accepted, and the 3-inch inlet chosen,
    // which needs 58 psi of air there.
    void askForTheThreeInchPumpShortOfAir();
    // From the start to state by the worked example (with the 1-inch inlet and the preset compressor,
    // 1 stage at 75 percent), or by a variant of it for the PC-only states.
    void reach(ScreenState state);

    RecordingSink messages;

private:
    std::unique_ptr<Form2> window_;
};

} // namespace pumpvale::testing
