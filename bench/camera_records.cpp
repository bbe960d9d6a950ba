// Writes the settings records of cameras 0 … N-1 into the user folder of $HOME for a side-by-side
// run: motion detection on, the date and time stamped, continuous recording at a given rate
// into a given folder.
// Usage: camera_records N VIDEO_FOLDER [rate=30] [motion=1]  (motion 0: recording alone)
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "config/Cdataclass.h"
#include "config/Folders.h"

using namespace trelvix;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: camera_records N VIDEO_FOLDER [rate=30] [motion=1]\n");
        return 2;
    }
    const int n = std::atoi(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int rate = argc > 3 ? std::atoi(argv[3]) : 30;
    const bool motion = argc > 4 ? std::atoi(argv[4]) != 0 : true;
    EnsureUserFolder();
    for (int i = 0; i < n; ++i) {
        CDataClass rec;
        rec.cameraId = i;
        rec.videoFolder = rec.imageFolder = folder;
        rec.caption = QString::asprintf("%d#", i);
        StoreLive(rec.autoRecord, 1);
        StoreLive(rec.recordFrameRate, rate);
        StoreLive(rec.showTime, 1);
        StoreLive(rec.motionEnabled, motion ? 1 : 0);
        // A picture per motion would measure the disk, not the detection.
        StoreLive(rec.motionNoPicture, 1);
        StoreLive(rec.motionSound, 0);
        StoreLive(rec.shutterSound, 0);
        if (!rec.Save()) {
            std::fprintf(stderr, "camera_records: cannot write the record of camera %d\n", i);
            return 1;
        }
    }
    return 0;
}
