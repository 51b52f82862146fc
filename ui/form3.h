// The About window: the program's version and authors, the assumptions of its calculations and the
// sources of its data.
//
//   Label2    program, version, author, date of creation and maker
//   Label3    the standard conditions assumed
//   Label4    where the AODD performance data come from
//   Label1    the compressor power equation
//   Label5    where the electricity prices and exchange rates come from
//   Image1    the maker's small logo
//   Command1  "Close"
#pragma once

#include <QWidget>

namespace pumpvale {

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    void Command1_Click();
};

} // namespace pumpvale
