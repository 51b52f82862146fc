// Starts exactly as the program does and quits as soon as the intro window has been drawn for the
// first time. Three yardsticks quit the same way: --reference shows one empty window, the cost of a bare
// Qt program; --label one window showing a label of text, the cost of drawing text at all; and
// --sized-label the same label in a window of the intro's size, the cost of a window that large. With
// --memory as well, it prints where its resident memory lies at that moment.
// Timed from outside (bench/startup.sh, bench/startup_profile.sh): see the README's Performance section.
#include "ui/startup.h"

#include "ui/form1.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

bool memoryReport = false;

// The resident memory in KiB of this process, summed by what the mappings hold.
void printResidentMemory() {
    QFile file("/proc/self/smaps");
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString self = QCoreApplication::applicationFilePath();
    const auto kindOf = [&self](const QString& mapping) -> QString {
        if (mapping.contains("libQt6"))
            return "Qt libraries";
        if (mapping.contains(QRegularExpression("lib(freetype|harfbuzz|fontconfig|expat|graphite2|png16)")))
            return "font libraries";
        if (mapping.endsWith(".ttf") || mapping.contains("fontconfig/"))
            return "font files and font cache";
        if (mapping.contains("memfd:") || mapping.contains("SYSV"))
            return "window buffer (shared with the X server)";
        if (mapping.isEmpty() || mapping.startsWith("[heap]") || mapping.startsWith("[anon"))
            return "heap and anonymous memory";
        if (mapping.startsWith("["))
            return "stack and kernel pages";
        if (mapping == self)
            return "the program (its code and pictures)";
        return "other libraries";
    };
    QMap<QString, long> kib;
    QString kind;
    const QRegularExpression header(R"(^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \S+\s*(.*)$)");
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString text = QString::fromLocal8Bit(line);
        if (const auto match = header.match(text); match.hasMatch())
            kind = kindOf(match.captured(1).trimmed());
        else if (text.startsWith("Rss:"))
            kib[kind] += text.split(' ', Qt::SkipEmptyParts).value(1).toLong();
    }
    long total = 0;
    for (auto it = kib.cbegin(); it != kib.cend(); ++it) {
        std::printf("%-45s %7ld KiB\n", qPrintable(it.key()), it.value());
        total += it.value();
    }
    std::printf("%-45s %7ld KiB\n", "resident in all", total);
}

// Quits the application once the watched window's first paint has been handled.
class QuitWhenDrawn final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, [] {
                if (memoryReport)
                    printResidentMemory();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

int showAndRun(QWidget& window, QuitWhenDrawn& quit) {
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const auto given = [&](const char* option) {
        for (int i = 1; i < argc; ++i)
            if (std::strcmp(argv[i], option) == 0)
                return true;
        return false;
    };
    memoryReport = given("--memory");
    QApplication app(argc, argv);
    QuitWhenDrawn quit;
    if (given("--reference")) {
        QWidget window;
        return showAndRun(window, quit);
    }
    if (given("--label") || given("--sized-label")) {
        QLabel window("Pumpvale computes the annual energy cost of two pumps.");
        if (given("--sized-label")) {
            window.setAlignment(Qt::AlignLeft | Qt::AlignTop);
            window.resize(pumpvale::Form1::designSize());
        }
        return showAndRun(window, quit);
    }
    pumpvale::Navigator navigator;
    pumpvale::startPumpvale(navigator)->installEventFilter(&quit);
    return QApplication::exec();
}
