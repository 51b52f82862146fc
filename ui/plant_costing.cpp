#include "ui/plant_costing.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace pumpvale {

PlantCosting::PlantCosting(QObject* parent) : QObject(parent) {
    setObjectName("PlantCosting");
}

PlantCosting::~PlantCosting() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void PlantCosting::start(const QString& path) {
    if (thread_.joinable())
        return;
    const QFileInfo file(path);
    fileBytes_ = file.isFile() ? static_cast<std::uint64_t>(std::max<qint64>(file.size(), 0)) : 0;
    reader_ = std::make_unique<cases::DutyListReader>(in_);
    running_ = true;
    thread_ = std::jthread([this, name = QFile::encodeName(path).toStdString()](std::stop_token stop) {
        work(name, std::move(stop));
    });
}

void PlantCosting::cancel() {
    thread_.request_stop();
}

std::vector<cases::PlantList> PlantCosting::takeRows() {
    std::vector<cases::PlantList> rows;
    const std::lock_guard lock(mutex_);
    std::swap(rows, pending_);
    return rows;
}

std::optional<double> PlantCosting::progress() const {
    if (fileBytes_ == 0)
        return std::nullopt;
    return std::min(1.0, static_cast<double>(bytesRead_) / static_cast<double>(fileBytes_));
}

// On the reading thread. Opening may wait (a file on a slow share), so it happens here too.
void PlantCosting::work(const std::string& path, std::stop_token stop) {
    in_.open(path, std::ios::binary);
    if (const auto error = reader_->start()) {
        headerError_ = error;
    } else {
        QMetaObject::invokeMethod(this, &PlantCosting::headerRead, Qt::QueuedConnection);
        outcome_ = cases::readPlantList(*reader_, [&](cases::PlantList&& chunk) {
            {
                const std::lock_guard lock(mutex_);
                pending_.push_back(std::move(chunk));
            }
            if (const std::streamoff at = in_.tellg(); at > 0)
                bytesRead_ = static_cast<std::uint64_t>(at);
            return !stop.stop_requested();
        });
    }
    in_.close();
    running_ = false;
    QMetaObject::invokeMethod(this, &PlantCosting::finished, Qt::QueuedConnection);
}

} // namespace pumpvale
