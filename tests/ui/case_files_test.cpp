// Open Case and Save Case through the real main window, by their path-taking entry points: a case
// opened shows what the core's run of the window shows, saved and opened again it shows the same, and
// files that cannot be opened or written say why, naming the file, the row and the cell.
#include "cases/window_run.h"
#include "test_support.h"
#include "ui/case_files.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <sstream>

namespace pumpvale::testing {
namespace {

const std::string kHeader =
    "tag,units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,price,inlet,"
    "compressor_stages,compressor_efficiency\n";

QString write(const QTemporaryDir& dir, const char* name, const std::string& text) {
    QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
}

// The core's run of the row, for what the window must show.
cases::WindowRun coreRun(const std::string& row) {
    std::istringstream in(kHeader + row + "\n");
    cases::DutyListReader reader(in);
    EXPECT_FALSE(reader.start());
    cases::DutyRow read;
    EXPECT_TRUE(reader.next(read));
    return cases::runAsTheWindow(read.point.value_or(cases::DutyPoint{}));
}

struct RowCase {
    const char* name;
    std::string row;
};
void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const RowCase kRows[] = {
    {"WorkedExample",        "P-101,English,1,60,10,90,52,7,24,US Dollars,,1,,"},
    {"TwoStagesThreeInch",   "\"Tank 3, north\",English,2,95,60,120,52,7,24,US Dollars,0.072,3,2,80"},
    {"SiPartTime",           "P-7,SI,1,4,40,6.5,48,5,16,Euro,,1,,"},
    {"FlowAboveTheAoddData", "P-9,English,1,30,250,90,52,7,24,US Dollars,,,,"},
    {"ThreeInchShortOfAir",  "P-3,English,1,50,60,50,52,7,24,US Dollars,,3,,"},
    {"NoInletChosen",        "P-4,English,1,60,10,90,52,7,24,US Dollars,,,,"},
};
// clang-format on

class CaseRows : public MainWindowTest, public ::testing::WithParamInterface<RowCase> {
protected:
    QTemporaryDir dir;
};

// Opened, saved and opened again in a new window: the same messages, screen, results and tag.
TEST_P(CaseRows, SavedFromTheWindowOpenedAgainShowsTheSameResults) {
    const cases::WindowRun run = coreRun(GetParam().row);
    ASSERT_TRUE(ui.window().caseFiles().openFile(write(dir, "in.csv", kHeader + GetParam().row + "\n")));
    EXPECT_EQ(ui.messages.shown, run.messages);
    EXPECT_TRUE(ui.window().caseFiles().saveAction().isEnabled());
    const QString saved = dir.filePath("saved.csv");
    ASSERT_TRUE(ui.window().caseFiles().saveTo(saved));

    MainWindowDriver again;
    ASSERT_TRUE(again.window().caseFiles().openFile(saved));
    EXPECT_EQ(again.messages.shown, run.messages);
    for (const char* box :
         {"Text10", "Text11", "Text12", "Text1", "Text2", "Text3", "Text9", "Text4", "Text5"})
        EXPECT_EQ(again.text(box), ui.text(box)) << box;
    EXPECT_EQ(again.window().caseFiles().carried(), ui.window().caseFiles().carried());
    ASSERT_EQ(ui.window().caseFiles().carried().size(), 1U);
    EXPECT_EQ(ui.window().caseFiles().carried().front().first, "tag");
}

// How two windows differ to the eye: each named control shown or not, enabled or not where shown, and
// the text of a shown entry, label or list.
std::vector<std::string> screenDifferences(const QWidget& a, const QWidget& b) {
    std::vector<std::string> differences;
    for (const QWidget* left : a.findChildren<QWidget*>()) {
        const QString name = left->objectName();
        const QWidget* right = name.isEmpty() ? nullptr : b.findChild<QWidget*>(name);
        if (right == nullptr || name.startsWith(QLatin1String("qt_")))
            continue;
        const bool shown = left->isVisibleTo(&a);
        const auto textOf = [](const QWidget* w) {
            if (const auto* entry = qobject_cast<const QLineEdit*>(w))
                return entry->text();
            if (const auto* label = qobject_cast<const QLabel*>(w))
                return label->text();
            if (const auto* list = qobject_cast<const QComboBox*>(w))
                return list->currentText();
            return QString();
        };
        if (shown != right->isVisibleTo(&b))
            differences.push_back(name.toStdString() + (shown ? " shown" : " hidden"));
        else if (shown && left->isEnabled() != right->isEnabled())
            differences.push_back(name.toStdString() + (left->isEnabled() ? " enabled" : " disabled"));
        else if (shown && textOf(left) != textOf(right))
            differences.push_back(name.toStdString() + " reads \"" + textOf(left).toStdString() + '"');
    }
    return differences;
}

// The window in each state a user can leave it in, a refused compressor entry and an S.I. case in
// Canadian cents included, then a case opened: what a window just opened shows for that case, to the
// eye, with the same messages.
TEST_P(CaseRows, AWindowInAnyStateOpensAsANewOneWould) {
    const QString path = write(dir, "in.csv", kHeader + GetParam().row + "\n");
    ASSERT_TRUE(ui.window().caseFiles().openFile(path));
    const Messages expected = ui.messages.shown;
    EXPECT_EQ(expected, coreRun(GetParam().row).messages);
    const auto refusedEfficiency = [](MainWindowDriver& used) {
        used.reach(ScreenState::FullResults);
        used.click("Command7");
        used.click("Command3");
        used.type("Text5", "100");
    };
    const auto siInCents = [this](MainWindowDriver& used) {
        ASSERT_TRUE(used.window().caseFiles().openFile(
            write(dir, "cents.csv", kHeader + "C-1,SI,1,4,40,6.5,48,5,16,Canadian Cents,,1,,\n")));
    };
    for (const ScreenState state : kScreenStates) {
        MainWindowDriver used;
        used.reach(state);
        used.messages.shown.clear();
        ASSERT_TRUE(used.window().caseFiles().openFile(path));
        EXPECT_EQ(used.messages.shown, expected) << nameOf(state);
        EXPECT_EQ(screenDifferences(used.window(), ui.window()), std::vector<std::string>{}) << nameOf(state);
    }
    for (const auto& [name, before] : {std::pair<const char*, std::function<void(MainWindowDriver&)>>{
                                           "RefusedEfficiency", refusedEfficiency},
                                       {"SiInCents", siInCents}}) {
        MainWindowDriver used;
        before(used);
        used.messages.shown.clear();
        ASSERT_TRUE(used.window().caseFiles().openFile(path));
        EXPECT_EQ(used.messages.shown, expected) << name;
        EXPECT_EQ(screenDifferences(used.window(), ui.window()), std::vector<std::string>{}) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CaseRows, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

class CaseFileFaults : public MainWindowTest {
protected:
    QTemporaryDir dir;
};

// A spreadsheet with a decimal comma writes semicolons and "4,5": the row is refused at its cell.
TEST_F(CaseFileFaults, ADecimalCommaIsRefusedAtItsCell) {
    const QString path = write(dir, "survey.csv",
                               "units;pc_stages;pressure;flow;air_pressure;weeks;days;hours;currency;inlet\n"
                               "English;1;4,5;10;90;52;7;24;US Dollars;1\n");
    EXPECT_FALSE(ui.window().caseFiles().openFile(path));
    ASSERT_EQ(ui.messages.shown.size(), 1U);
    const std::string text(ui.messages.shown.front().text);
    for (const std::string& part :
         {QDir::toNativeSeparators(path).toStdString(), std::string("Row 2"), std::string("column pressure"),
          std::string("cell C2"), std::string("4,5")})
        EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    EXPECT_TRUE(isIn(ui.window(), ScreenState::UnitChoice));
}

TEST_F(CaseFileFaults, EachRowOfAListOpensAsItsOwnCase) {
    const std::string rows[] = {kRows[0].row, kRows[1].row, kRows[3].row};
    const QString path = write(dir, "plant.csv", kHeader + rows[0] + "\n" + rows[1] + "\n" + rows[2] + "\n");
    ASSERT_TRUE(ui.window().caseFiles().openFile(path, 3));
    EXPECT_EQ(ui.messages.shown, coreRun(rows[1]).messages);
    EXPECT_EQ(ui.window().caseFiles().carried().front().second, "Tank 3, north");
}

TEST_F(CaseFileFaults, AFailedSaveNamesTheFileAndLeavesAnOldOneAsItWas) {
    ui.reach(ScreenState::FullResults);
    const QString missing = dir.filePath("no such folder/case.csv");
    EXPECT_FALSE(ui.window().caseFiles().saveTo(missing));
    ASSERT_EQ(ui.messages.shown.size(), 1U);
    EXPECT_NE(
        std::string(ui.messages.shown.front().text).find(QDir::toNativeSeparators(missing).toStdString()),
        std::string::npos);
    if (QFileInfo(dir.path()).ownerId() == 0)
        return; // the superuser writes into a read-only folder anyway
    const QString old = write(dir, "old.csv", "kept\n");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(ui.window().caseFiles().saveTo(old));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile kept(old);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "kept\n");
}

// A dropped picture or a missing file: a message naming it, the window as it was.
TEST_F(CaseFileFaults, ADroppedFileThatIsNoDutyListGivesAMessage) {
    const QString picture = write(dir, "pump.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    for (const QString& path : {picture, dir.filePath("gone.csv")}) {
        ui.messages.shown.clear();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ui.window(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ui.window(), &drop);
        QTest::qWait(1);
        QCoreApplication::processEvents();
        ASSERT_EQ(ui.messages.shown.size(), 1U) << path.toStdString();
        EXPECT_NE(
            std::string(ui.messages.shown.front().text).find(QDir::toNativeSeparators(path).toStdString()),
            std::string::npos);
        EXPECT_TRUE(isIn(ui.window(), ScreenState::UnitChoice));
    }
    EXPECT_FALSE(ui.window().caseFiles().saveAction().isEnabled());
}

} // namespace
} // namespace pumpvale::testing
