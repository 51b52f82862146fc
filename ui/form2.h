// The main calculator window. A placeholder until the window is laid out.
#pragma once

#include <QWidget>

namespace pumpvale {

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
};

} // namespace pumpvale
