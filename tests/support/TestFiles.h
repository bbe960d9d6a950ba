// Whole files written and read back, for the tests' set-ups and checks.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trelvix::test {

// Makes the folder, writes `bytes` as the whole file and returns its path; a file that cannot
// be written fails the test.
inline QString WriteFile(const QString& path, const QByteArray& bytes = {},
                         QIODevice::OpenMode mode = QIODevice::WriteOnly) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(mode) && f.write(bytes) == bytes.size()) << path.toStdString();
    return path;
}

inline QString AppendFile(const QString& path, const QByteArray& bytes) {
    return WriteFile(path, bytes, QIODevice::WriteOnly | QIODevice::Append);
}

// The lines, each ended as the program's log ends them.
inline QByteArray LogText(const QStringList& lines) {
    QByteArray text;
    for (const QString& l : lines) text += l.toUtf8() + "\r\n";
    return text;
}

// The whole file; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A test with an empty folder of its own; names are taken inside it.
class FolderTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes = {}) {
        return WriteFile(folder + name, bytes);
    }
    QByteArray Read(const QString& name) const { return ReadFile(folder + name); }

    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
};

}  // namespace trelvix::test
