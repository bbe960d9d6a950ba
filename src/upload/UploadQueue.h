// The pictures of one camera waiting for upload: appended on the streaming thread, taken in
// batches by the upload thread.
#pragma once

#include <QString>
#include <QStringList>
#include <mutex>

namespace trelvix {

class UploadQueue {
public:
    void Append(const QString& path);
    // Takes (removes and returns) up to `n` paths, oldest first.
    QStringList TakeBatch(int n);
    int Count() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    QStringList paths_;
};

}  // namespace trelvix
