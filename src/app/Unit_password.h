// The access password prompt.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace trelvix {

class TForm_password : public QDialog {
    Q_OBJECT
public:
    // `result` is set when the dialog closes: true exactly when the entry equals `password`.
    TForm_password(QWidget* owner, bool* result, const QString& password);

    void BitBtn2Click();
    void done(int r) override;  // every way of closing counts as an entry

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BitBtn2;

private:
    bool* result_;
    QString password_;
};

// Installs the prompt that the settings object's access check shows.
void InstallPasswordPrompt();
// Closes an open prompt (and its message) as refused, and refuses every later one: the
// program is being ended by a signal.
void CancelPasswordPrompts();

}  // namespace trelvix
