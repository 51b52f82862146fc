// The files a user names, through the real window: what cannot be read as a list is refused at once in
// a short message, a write that fails leaves the old file byte for byte and says why, and the file
// dialogs leave nothing behind but the files chosen.
#include "test_support.h"
#include "tests/small_disk.h"
#include "ui/case_files.h"
#include "ui/report_export.h"
#include "ui/results_actions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace pumpvale::testing {
namespace {

const std::string kHeader = "units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,inlet\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::string text(const Message& message) {
    return std::string(message.text);
}

// What a file holds or is, made in folder; the path to open. A list has one row, so that no list to
// choose from is shown.
struct HostileFile {
    const char* name;
    std::function<QString(const QTemporaryDir& folder)> make;
};
void PrintTo(const HostileFile& c, std::ostream* os) {
    *os << c.name;
}

QString listWith(const QTemporaryDir& folder, const std::string& tail, qint64 size = 0) {
    QString path = folder.filePath("list.csv");
    write(path, QByteArray::fromStdString(kHeader + tail));
    if (size > 0)
        QFile::resize(path, size); // sparse: zero bytes on no disk
    return path;
}

// clang-format off
const HostileFile kHostileFiles[] = {
    {"NamedPipeNoOneWrites", [](const QTemporaryDir& d) { QString p = d.filePath("pipe.csv"); mkfifo(QFile::encodeName(p), 0600); return p; }},
    {"EndlessDevice",        [](const QTemporaryDir&) { return QStringLiteral("/dev/zero"); }},
    {"Folder",               [](const QTemporaryDir& d) { QDir(d.path()).mkdir("list.csv"); return d.filePath("list.csv"); }},
    {"Socket",               [](const QTemporaryDir& d) {
        QString p = d.filePath("s.csv");
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(p).constData(), sizeof address.sun_path);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        (void)bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        close(fd); // the socket stays in the folder
        return p; }},
    {"TwoGigabyteRow",       [](const QTemporaryDir& d) { return listWith(d, "English,1,60,", qint64{2} << 30); }},
    {"TenMegabyteRow",       [](const QTemporaryDir& d) { return listWith(d, "English,1,60," + std::string(10 << 20, '7')); }},
    {"SixtyThousandDigits",  [](const QTemporaryDir& d) { return listWith(d, "English,1," + std::string(60000, '7') + "psi,10,90,52,7,24,US Dollars,1\n"); }},
    {"LongCurrencyName",     [](const QTemporaryDir& d) { return listWith(d, "English,1,60,10,90,52,7,24," + std::string(60000, 'E') + ",1\n"); }},
    {"NoDutyListColumns",    [](const QTemporaryDir& d) { QString p = d.filePath("a.csv"); write(p, "tag,remark\nP-1,ok\n"); return p; }},
};
// clang-format on

class HostileFiles : public MainWindowTest, public ::testing::WithParamInterface<HostileFile> {};

// Each is refused within a second, before anything goes into the window, in one message that names
// the file and stays readable.
TEST_P(HostileFiles, AreRefusedAtOnceInAShortMessage) {
    const QTemporaryDir folder;
    const QString path = GetParam().make(folder);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(ui.window().caseFiles().openFile(path));
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_EQ(ui.messages.shown.size(), 1U);
    const std::string message = text(ui.messages.shown.front());
    EXPECT_NE(message.find(QDir::toNativeSeparators(path).toStdString()), std::string::npos) << message;
    // About 300: the row's refusal itself stays within 300 (cases/duty_list_test.cpp), the box adds the path.
    EXPECT_LE(QString::fromStdString(message).size(), 330) << message;
    EXPECT_TRUE(isIn(ui.window(), ScreenState::UnitChoice));
}
INSTANTIATE_TEST_SUITE_P(Files, HostileFiles, ::testing::ValuesIn(kHostileFiles),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Fault { FullDisk, ReadOnlyDisk, VanishedFolder, NameIsAFolder };
struct WriteCase {
    const char* name;
    Fault fault;
    const char* reason; // in the message, after the file's name
};
void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const WriteCase kWriteCases[] = {
    {"FullDisk",       Fault::FullDisk,       "No space left on device"},
    {"ReadOnlyDisk",   Fault::ReadOnlyDisk,   "Read-only file system"},
    {"VanishedFolder", Fault::VanishedFolder, "No such file or directory"},
    {"NameIsAFolder",  Fault::NameIsAFolder,  "directory"},
};
// clang-format on

class FailedWrites : public MainWindowTest, public ::testing::WithParamInterface<WriteCase> {};

// Save Case and the three exports, each onto a file already there: the old file stays byte for byte,
// and the message names the file and gives the system's reason.
TEST_P(FailedWrites, LeaveTheOldFileAndSayWhy) {
    const Fault fault = GetParam().fault;
    const SmallDisk disk;
    const bool onDisk = fault == Fault::FullDisk || fault == Fault::ReadOnlyDisk;
    if (onDisk && !disk.skipReason().empty())
        GTEST_SKIP() << disk.skipReason();
    const QTemporaryDir folder;
    ui.reach(ScreenState::FullResults);
    const ReportPage page = ui.window().resultsActions().page();
    using report_export::Format;
    const std::vector<std::pair<QString, std::function<std::string(const QString&)>>> writers{
        {"case.csv",
         [&](const QString& path) {
             EXPECT_FALSE(ui.window().caseFiles().saveTo(path));
             return ui.messages.shown.empty() ? std::string() : text(ui.messages.shown.back());
         }},
        {"report.pdf",
         [&](const QString& path) {
             return report_export::write(path, Format::Pdf, page).value_or("").toStdString();
         }},
        {"report.html",
         [&](const QString& path) {
             return report_export::write(path, Format::Html, page).value_or("").toStdString();
         }},
        {"figures.csv",
         [&](const QString& path) {
             return report_export::write(path, Format::Csv, page).value_or("").toStdString();
         }},
    };
    const auto pathOf = [&](const QString& name) {
        return onDisk                           ? QString::fromStdString(disk.path(name.toStdString()))
               : fault == Fault::VanishedFolder ? folder.filePath("gone/" + name)
                                                : folder.filePath(name);
    };
    const QByteArray old = "kept " + QByteArray(1000, 'k');
    for (const auto& [name, attempt] : writers) {
        if (onDisk)
            write(pathOf(name), old);
        if (fault == Fault::NameIsAFolder)
            QDir(folder.path()).mkdir(name);
    }
    if (fault == Fault::FullDisk)
        disk.fill();
    if (fault == Fault::ReadOnlyDisk) {
        ASSERT_TRUE(disk.makeReadOnly());
    }
    for (const auto& [name, attempt] : writers) {
        const QString path = pathOf(name);
        const std::string message = attempt(path);
        EXPECT_NE(message.find("\"" + QDir::toNativeSeparators(path).toStdString() + "\": "),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find(GetParam().reason), std::string::npos) << message;
        if (onDisk) {
            EXPECT_EQ(contents(path), old) << name.toStdString();
        }
    }
    if (onDisk) {
        EXPECT_EQ(QDir(QString::fromStdString(disk.path(""))).entryList(QDir::Files | QDir::Hidden).size(),
                  fault == Fault::FullDisk ? 5 : 4)
            << "the four old files (and the filler), no new file left beside them";
    }
}
INSTANTIATE_TEST_SUITE_P(Faults, FailedWrites, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Answers the next file dialog as a user typing path and pressing Enter would.
void answerNextFileDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept"); // as the Open or Save button does
    });
}

// Save, export and open through their dialogs with a new home folder: nothing is written there but the
// files chosen (no QtProject.conf), a name typed with another ending than the filter's gets its own
// format, and one typed without an ending gets the filter's.
TEST_F(MainWindowTest, TheDialogsLeaveNoFileButThoseChosen) {
    const QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    ui.reach(ScreenState::FullResults);
    ui.messages.shown.clear();

    answerNextFileDialog(home.filePath("case.csv"));
    ui.window().caseFiles().saveAction().trigger();
    answerNextFileDialog(home.filePath("report")); // the PDF filter is selected
    ui.window().resultsActions().exportAction().trigger();
    answerNextFileDialog(home.filePath("figures.csv"));
    ui.window().resultsActions().exportAction().trigger();
    answerNextFileDialog(home.filePath("case.csv"));
    ui.window().caseFiles().openAction().trigger();

    qputenv("HOME", oldHome);
    if (!oldConfig.isEmpty())
        qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(ui.messages.shown, Messages{});
    EXPECT_TRUE(contents(home.filePath("report.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(contents(home.filePath("figures.csv")).startsWith("Section,Quantity,Value,Unit"));
    QStringList found;
    QDirIterator all(home.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                     QDirIterator::Subdirectories);
    while (all.hasNext())
        found << QDir(home.path()).relativeFilePath(all.next());
    found.sort();
    EXPECT_EQ(found, QStringList({"case.csv", "figures.csv", "report.pdf"}));
}

} // namespace
} // namespace pumpvale::testing
