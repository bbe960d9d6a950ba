#include "upload/UploadQueue.h"

namespace trelvix {

void UploadQueue::Append(const QString& path) {
    std::lock_guard lock(mutex_);
    paths_.append(path);
}

QStringList UploadQueue::TakeBatch(int n) {
    std::lock_guard lock(mutex_);
    const qsizetype k = std::clamp<qsizetype>(n, 0, paths_.size());
    QStringList batch = paths_.mid(0, k);
    paths_.remove(0, k);
    return batch;
}

int UploadQueue::Count() const {
    std::lock_guard lock(mutex_);
    return int(paths_.size());
}

void UploadQueue::Clear() {
    std::lock_guard lock(mutex_);
    paths_.clear();
}

}  // namespace trelvix
