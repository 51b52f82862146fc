#include "ui/form2.h"

namespace pumpvale {

Form2::Form2(QWidget* parent) : QWidget(parent) {
    setObjectName("Form2");
    setWindowTitle("Pumpvale");
    setFixedSize(659, 548);
}

} // namespace pumpvale
