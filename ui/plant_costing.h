// A plant list read and costed off the window's thread: opening the file, its header, then row after row
// (cases::readPlantList) on a thread of its own, so that no file, however long or slow to read, holds
// up the window. The window takes the rows costed so far whenever it likes (takeRows), in the file's
// order; Cancel stops the reading at the next chunk of rows, and closing the window stops and waits.
#pragma once

#include "cases/plant_list.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace pumpvale {

class PlantCosting final : public QObject {
    Q_OBJECT
public:
    explicit PlantCosting(QObject* parent = nullptr);
    ~PlantCosting() override; // stops the reading and waits for its thread

    // Starts reading path; headerRead, then finished, follow on this object's thread.
    void start(const QString& path);
    // Stops the reading after the rows already costed; finished follows.
    void cancel();
    bool isRunning() const { return running_; }

    // Once headerRead: the reader, for its header and caseOf. Its rows are read on the other thread.
    const cases::DutyListReader& reader() const { return *reader_; }
    // The rows costed since the last call, in the file's order, in the chunks they were costed in.
    std::vector<cases::PlantList> takeRows();
    // The share of the file read, 0 to 1; none while its size is not known.
    std::optional<double> progress() const;
    // Once finished: how the reading ended; a file's fault when its header could not be read.
    const cases::PlantReading& outcome() const { return outcome_; }
    const std::optional<cases::FileError>& headerError() const { return headerError_; }

signals:
    void headerRead();
    void finished();

private:
    void work(const std::string& path, std::stop_token stop);

    std::ifstream in_;
    std::unique_ptr<cases::DutyListReader> reader_;
    std::mutex mutex_; // guards pending_
    std::vector<cases::PlantList> pending_;
    std::atomic<std::uint64_t> bytesRead_{0};
    std::uint64_t fileBytes_ = 0;
    std::atomic<bool> running_{false};
    cases::PlantReading outcome_;                 // written by the thread before finished
    std::optional<cases::FileError> headerError_; // likewise
    std::jthread thread_;                         // last: stopped and joined first
};

} // namespace pumpvale
