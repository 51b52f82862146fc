// The plant list on a generated duty list (bench/duty_rows.h): the time to read and cost it, to sort it
// by savings and by tag, to filter it and to total it, and the peak resident memory beside the file's
// size; with "window", the same list opened in the plant list window (offscreen): the time until every
// row is costed and shown sorted, a sort by a click on the header, a scroll to the end.
// Usage: plant_list_bench ROWS core|window. Each mode is its own process, so that its peak is its own.
#include "bench/duty_rows.h"
#include "cases/plant_table.h"
#include "ui/plant_model.h"
#include "ui/plant_window.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QHeaderView>
#include <QTableView>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace pumpvale;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double peakMib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

// The generated list written to a file, as a user's would be.
std::uintmax_t writeList(const std::string& path, std::size_t rows) {
    bench::GeneratedDutyList list(rows);
    std::istream in(&list);
    std::ofstream out(path, std::ios::binary);
    out << in.rdbuf();
    out.close();
    std::ifstream sized(path, std::ios::binary | std::ios::ate);
    return static_cast<std::uintmax_t>(sized.tellg());
}

template <typename Work> double timed(Work work) {
    const auto start = Clock::now();
    work();
    return secondsSince(start);
}

int core(const std::string& path, double fileMib) {
    std::ifstream in(path, std::ios::binary);
    cases::DutyListReader reader(in);
    if (reader.start())
        return 2;
    cases::PlantList list;
    const double read = timed([&] {
        cases::readPlantList(reader, [&](cases::PlantList&& chunk) {
            list.append(std::move(chunk));
            return true;
        });
    });
    const double afterReading = peakMib();
    const cases::PlantTable table(reader);
    std::vector<std::uint32_t> order = cases::shownRows(list, cases::StatusFilter::All);
    const double bySavings = timed([&] { table.sort(order, list, table.savingsColumn(), true); });
    const double byTag = timed([&] { table.sort(order, list, 1, false); });
    const double filtered = timed([&] {
        order = cases::shownRows(list, cases::StatusFilter::Costed);
        table.sort(order, list, table.savingsColumn(), true);
    });
    std::size_t currencies = 0;
    const double totals = timed([&] { currencies = cases::totalsOf(list, cases::StatusFilter::All).size(); });
    std::printf("core: %zu rows read and costed in %.2f s (%.2f us a row); store %.1f MiB\n", list.size(),
                read, read * 1e6 / static_cast<double>(list.size()),
                static_cast<double>(list.memoryBytes()) / 1048576.0);
    std::printf("core: sorted by savings %.0f ms, by tag %.0f ms; filtered to costed and sorted %.0f ms; "
                "totals of %zu currencies %.0f ms\n",
                bySavings * 1e3, byTag * 1e3, filtered * 1e3, currencies, totals * 1e3);
    std::printf(
        "core: peak resident memory %.1f MiB read (%.2f times the file), %.1f MiB sorted (%.2f times)\n",
        afterReading, afterReading / fileMib, peakMib(), peakMib() / fileMib);
    return 0;
}

int window(int argc, char** argv, const std::string& path, double fileMib) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget owner;
    const auto start = Clock::now();
    auto* list = new PlantWindow(owner, QString::fromStdString(path), {});
    list->show();
    QEventLoop costing;
    QObject::connect(list, &PlantWindow::costingFinished, &costing, &QEventLoop::quit);
    costing.exec();
    QCoreApplication::processEvents();
    const double shown = secondsSince(start);
    QHeaderView& header = *list->table().horizontalHeader();
    const double byTag = timed([&] {
        header.setSortIndicator(1, Qt::AscendingOrder);
        QCoreApplication::processEvents();
    });
    const double bySavings = timed([&] {
        header.setSortIndicator(int(list->model().table()->savingsColumn()), Qt::DescendingOrder);
        QCoreApplication::processEvents();
    });
    const double scrolled = timed([&] {
        list->table().scrollToBottom();
        list->table().viewport()->repaint();
    });
    std::printf("window: %d rows costed and shown sorted by savings %.2f s after opening\n",
                list->model().rowCount(), shown);
    std::printf("window: a click sorting by tag %.0f ms, by savings %.0f ms; scrolled to the end and drawn "
                "%.0f ms\n",
                byTag * 1e3, bySavings * 1e3, scrolled * 1e3);
    std::printf("window: peak resident memory %.1f MiB, %.2f times the file\n", peakMib(),
                peakMib() / fileMib);
    delete list;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (std::strcmp(argv[2], "core") != 0 && std::strcmp(argv[2], "window") != 0)) {
        std::fprintf(stderr, "usage: plant_list_bench ROWS core|window\n");
        return 2;
    }
    const std::size_t rows = std::stoul(argv[1]);
    const std::string path =
        QDir::temp().filePath(QStringLiteral("plant_list_bench-%1.csv").arg(getpid())).toStdString();
    const double fileMib = static_cast<double>(writeList(path, rows)) / 1048576.0;
    std::printf("file: %zu rows, %.1f MiB\n", rows, fileMib);
    const int status =
        std::strcmp(argv[2], "core") == 0 ? core(path, fileMib) : window(argc, argv, path, fileMib);
    std::remove(path.c_str());
    return status;
}
