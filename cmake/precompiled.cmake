# The Qt headers nearly every source of the windows and of their tests includes. Parsing them is most
# of such a source's compile time, so a target of many such sources parses them once, into a
# precompiled header. (clang-tidy reads each source without it: tools/tidy.sh.)
set(PUMPVALE_QT_HEADERS
    <QAccessible> <QAction> <QApplication> <QComboBox> <QDir> <QFile> <QFontMetricsF> <QGroupBox>
    <QHeaderView> <QImage> <QLabel> <QLineEdit> <QLocale> <QPainter> <QPointer> <QPushButton>
    <QRadioButton> <QScreen> <QString> <QTableWidget> <QTimer> <QWidget>)

# target's sources get the Qt headers above, and the headers given after it, precompiled.
function(pumpvale_precompile_qt target)
    target_precompile_headers(${target} PRIVATE ${PUMPVALE_QT_HEADERS} ${ARGN})
endfunction()
