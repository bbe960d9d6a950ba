// Shared by the fuzz targets: a Qt application for the code that needs one, a scratch folder
// for the loaders that read files, and a check that aborts so libFuzzer keeps the input.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "support/TestEnv.h"

namespace trelvix::fuzz {

// The scratch HOME holds the user folder; it lives as long as the process.
inline QString Scratch() {
    static QTemporaryDir dir;
    return dir.path();
}

inline void StartQt(bool gui) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    trelvix::test::SetHome(Scratch());
    if (gui)
        new QGuiApplication(argc, argv);
    else
        new QCoreApplication(argc, argv);
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

// Every target starts the same way: `gui` for the code that draws text.
#define TRELVIX_FUZZ_INIT(gui)                           \
    extern "C" int LLVMFuzzerInitialize(int*, char***) { \
        trelvix::fuzz::StartQt(gui);                     \
        return 0;                                        \
    }

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

}  // namespace trelvix::fuzz
