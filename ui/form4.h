// The Acknowledgements window: thanks, references and the terms of use.
//
//   Image1    the maker's small logo
//   Label1    "Special Thanks To:" heading, Label2 those thanked
//   Label5    "References:" heading, Label3 the references
//   Label6    "Terms of Use:" heading, Label4 the terms
//   Command1  "Close"
#pragma once

#include <QWidget>

namespace pumpvale {

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    void Command1_Click();
};

} // namespace pumpvale
