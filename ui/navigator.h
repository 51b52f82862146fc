// The program's four windows and the way between them. Each window is created when it is first asked
// for, exists at most once and is deleted when it is closed; showing one that is open brings it to the
// front. None has an owner, so each stands on its own, and the program ends when the last one closes
// (QApplication::quitOnLastWindowClosed).
#pragma once

#include <QPointer>

namespace pumpvale {

class Form1;
class Form2;
class Form3;
class Form4;

class Navigator {
public:
    Navigator() = default;
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;
    // Deletes the windows still open; destroy it before the QApplication.
    ~Navigator();

    Form1* showIntro();
    // The intro window, created but not shown when there is none, to be set up before it first shows.
    Form1* intro();
    Form2* showMain();
    Form3* showAbout();
    Form4* showAcknowledgements();

    // Each does nothing when its window is not open.
    void closeIntro();
    void closeAbout();
    void closeAcknowledgements();

private:
    QPointer<Form1> intro_;
    QPointer<Form2> main_;
    QPointer<Form3> about_;
    QPointer<Form4> acknowledgements_;
};

} // namespace pumpvale
