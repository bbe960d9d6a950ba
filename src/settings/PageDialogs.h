// The dialogs the settings window and its pages open. Each is a replaceable function, so a
// test can answer in place of the operator.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

class QWidget;

namespace trelvix {

struct PageDialogs {
    // A Yes/No question with the question icon; true for Yes.
    std::function<bool(QWidget* parent, const QString& text, const QString& caption)> ask;
    // A message the operator acknowledges.
    std::function<void(QWidget* parent, const QString& text)> message;
    // A colour; false when cancelled.
    std::function<bool(QWidget* parent, QColor* colour)> colour;
    // A font and its text colour, both changed only on OK.
    std::function<bool(QWidget* parent, QFont* font, QColor* colour)> font;
    // An existing folder, starting at `start`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& start)> folder;
    // A file to open, starting in `folder`; `filter` as QFileDialog takes it; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder, const QString& filter)> openFile;

    // The desktop's dialogs.
    static PageDialogs Standard();
};

}  // namespace trelvix
