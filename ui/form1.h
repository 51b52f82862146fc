// The intro window, the first the program shows: what the program computes, who makes it, and the
// buttons that lead on.
//
//   Image2    the rotor picture along the left edge
//   Image1    the maker's large logo
//   Label1    what the program computes
//   Label3    the maker's address block
//   Label2    the program's file name and version
//   Command1  "Continue": on to the calculator, closing this window and the side windows
//   Command2  "About This Program"
//   Command3  "Acknowledgements"
#pragma once

#include <QWidget>

namespace pumpvale {

class Navigator;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Navigator& navigator, QWidget* parent = nullptr);
    // The window's size as designed, in pixels at 100 %.
    static QSize designSize();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    Navigator& navigator_;
};

} // namespace pumpvale
