#include "history/Cfilefilter.h"

#include <QStringList>

namespace trelvix {

int CFileFilter::Classify(const QString& fileName) const {
    // Only the file name part counts: a dot in a folder name is no extension.
    const qsizetype slash =
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    const QString name = fileName.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1).toUpper();
    if (ext.isEmpty()) return kNone;
    static const QStringList kLists[] = {
        {"JPG", "JPEG", "BMP", "TIF", "GIF", "TGA"},
        {"MP3", "WAV", "MID", "MIDI", "WMA", "RMI", "MPA", "MP2", "AU", "AIF", "AIFF", "SND", "APE",
         "AC3", "RA"},
        {"AVI", "AVV",  "MPEG", "DAT", "MPG", "ASF", "WMV", "RM",  "QT",  "MOV",
         "M1V", "RMDV", "RMVB", "WMP", "WM",  "RAM", "RPM", "MPE", "MKV", "MP4",
         "M4V", "M4P",  "M4B",  "VOB", "IFO", "3GP", "FLV", "FLC"},
        {"SWF"},
        {"DOC", "XSL", "PDF", "PPT", "TXT", "RTF"},
        {"EXE", "COM", "MSI"},
    };
    for (int kind = 0; kind < 6; ++kind)
        if (kLists[kind].contains(ext)) return kind;
    return kOther;
}

}  // namespace trelvix
