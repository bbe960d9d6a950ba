#include "app/Unit_password.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPointer>
#include <QVBoxLayout>

#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

TForm_password::TForm_password(QWidget* owner, bool* result, const QString& password)
    : QDialog(owner), result_(result), password_(password) {
    setObjectName(QStringLiteral("TForm_password"));
    setWindowTitle(LanguageText(text::kEnterPassword));
    // A title and a close button only: minimising or maximising a password prompt makes no sense.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    Label1 = new QLabel(LanguageText(text::kPassword701), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(19);
    Edit1->setEchoMode(QLineEdit::Password);
    BitBtn2 = new QPushButton(LanguageText(text::kOK702), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm_password::BitBtn2Click);

    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Edit1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(BitBtn2, 0, Qt::AlignRight);
    setMinimumWidth(300);
    if (result_) *result_ = false;
}

void TForm_password::BitBtn2Click() {
    accept();
}

void TForm_password::done(int r) {
    // Case-sensitive, untrimmed, code unit for code unit.
    if (result_) *result_ = Edit1->text() == password_;
    QDialog::done(r);
}

namespace {
bool promptsCancelled = false;
QPointer<QDialog> openPrompt;
}  // namespace

void CancelPasswordPrompts() {
    promptsCancelled = true;
    if (openPrompt) openPrompt->reject();
}

void InstallPasswordPrompt() {
    Option::SetPasswordPrompt([](QObject* owner, const QString& password) {
        if (promptsCancelled) return false;
        bool result = false;
        QWidget* parent = qobject_cast<QWidget*>(owner);
        TForm_password dialog(parent, &result, password);
        openPrompt = &dialog;
        dialog.exec();
        if (!result && !promptsCancelled) {
            QMessageBox box(QMessageBox::Information, LanguageText(text::kTrelvix),
                            LanguageText(text::kWrongPassword), QMessageBox::Ok, parent);
            // Wide enough for its title: a short message must not cut the program's name.
            box.setStyleSheet(
                QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }")
                    .arg(box.fontMetrics().horizontalAdvance(box.windowTitle()) + 80));
            openPrompt = &box;
            box.exec();
        }
        openPrompt = nullptr;
        return result && !promptsCancelled;
    });
}

}  // namespace trelvix
