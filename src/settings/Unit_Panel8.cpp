#include "settings/Unit_Panel8.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "common/Files.h"
#include "common/TextConv.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

struct LanguageItem {
    const char* name;
    const char* badge;
    int module;  // row of the module table
};
// Item i loads module row i. "Portuguese" and "Vietnamese" complete the list, so that every
// module, including the ones the system language picks, can be chosen and kept.
constexpr LanguageItem kLanguages[] = {
    {"English", "EN", 0},     {"Chinese", "中", 1}, {"Traditional", "繁", 2}, {"JAN", "JA", 3},
    {"Spanish", "ES", 4},     {"French", "FR", 5},  {"Italian", "IT", 6},     {"German", "DE", 7},
    {"Russian", "RU", 8},     {"Korea", "KO", 9},   {"Thailand", "TH", 10},   {"Arabic", "AR", 11},
    {"Portuguese", "PT", 12}, {"Malay", "MS", 13},  {"Vietnamese", "VI", 14},
};

QIcon LanguageBadge(const QString& code) {
    QPixmap pm(22, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(28, 62, 120));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(pm.rect(), 3, 3);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pm.rect(), Qt::AlignCenter, code);
    return QIcon(pm);
}

QSpinBox* SpinBox(const char* name, int low, int high, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    return box;
}

// A stored value outside the box's range is shown as stored, so OK without a change keeps it.
void SetWidening(QSpinBox* box, int value) {
    box->setRange(std::min(box->minimum(), value), std::max(box->maximum(), value));
    box->setValue(value);
}

QLineEdit* PasswordEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(GlobalSettings::kPasswordUnits - 1);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return edit;
}

const QDateTime kRetentionAgain(QDate(2000, 1, 1), QTime(0, 0));

}  // namespace

TFrame_Panel8::TFrame_Panel8(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kSystem) {
    setObjectName(QStringLiteral("TFrame_Panel8"));
    CreateControls();
    LayOut();
    SetTexts();
    LoadSettings();
}

void TFrame_Panel8::CreateControls() {
    QWidget* b = Body();
    checkBox_startPOWERON = new QCheckBox(b);
    CheckBox_systray = new QCheckBox(b);
    CheckBox_topwindow = new QCheckBox(b);
    CheckBox_topwindow->setVisible(false);
    GroupBox2 = new QGroupBox(b);
    CheckBox_PowerOff = new QCheckBox(GroupBox2);
    Label2 = new QLabel(GroupBox2);
    DateTimePicker1 = new QDateEdit(QDate::currentDate(), GroupBox2);
    DateTimePicker1->setDisplayFormat(ShortDatePattern());
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker2 = new QTimeEdit(QTime(0, 0), GroupBox2);
    DateTimePicker2->setDisplayFormat(LongTimePattern());
    CheckBox_PowerOff_daily = new QCheckBox(GroupBox2);
    GroupBox3 = new QGroupBox(b);
    CheckBox_password = new QCheckBox(GroupBox3);
    Label3 = new QLabel(GroupBox3);
    Edit_password1 = PasswordEdit("Edit_password1", GroupBox3);
    Label4 = new QLabel(GroupBox3);
    Edit_password2 = PasswordEdit("Edit_password2", GroupBox3);
    Label6 = new QLabel(b);
    Edit_logpath = new QLineEdit(b);
    Edit_logpath->setObjectName(QStringLiteral("Edit_logpath"));
    Edit_logpath->setReadOnly(true);
    BitBtn3 = new QPushButton(b);
    BitBtn3->setAutoDefault(false);
    Label17 = new QLabel(b);
    CSpinEdit_history = SpinBox("CSpinEdit_history", 1, 30, b);
    Label10 = new QLabel(b);
    CSpinEdit_diskspacelimited = SpinBox("CSpinEdit_diskspacelimited", 300, 200000, b);
    Label1 = new QLabel(QStringLiteral("MB"), b);
    GroupBox5 = new QGroupBox(b);
    Label7 = new QLabel(GroupBox5);
    CSpinEdit_Rows = SpinBox("CSpinEdit_Rows", 1, GlobalSettings::kMaxGridSide, GroupBox5);
    Label8 = new QLabel(GroupBox5);
    CSpinEdit_Cols = SpinBox("CSpinEdit_Cols", 1, GlobalSettings::kMaxGridSide, GroupBox5);
    Label5 = new QLabel(QStringLiteral("Language"), b);
    ComboBoxEx1 = new QComboBox(b);
    ComboBoxEx1->setObjectName(QStringLiteral("ComboBoxEx1"));
    for (const LanguageItem& l : kLanguages)
        ComboBoxEx1->addItem(LanguageBadge(QString::fromUtf8(l.badge)), QString::fromUtf8(l.name),
                             l.module);
    // A language without its module would leave every text empty: it cannot be picked.
    if (auto* model = qobject_cast<QStandardItemModel*>(ComboBoxEx1->model()))
        for (int i = 0; i < model->rowCount(); ++i)
            model->item(i)->setEnabled(LanguageModuleAvailable(kLanguages[i].module));
    BitBtn2 = new QPushButton(b);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setDefault(true);

    connect(CheckBox_PowerOff, &QCheckBox::toggled, this, &TFrame_Panel8::ApplyShutdownRule);
    connect(CheckBox_PowerOff_daily, &QCheckBox::toggled, this, &TFrame_Panel8::ApplyShutdownRule);
    connect(CheckBox_password, &QCheckBox::toggled, this, &TFrame_Panel8::CheckBox_passwordClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrame_Panel8::BitBtn3Click);
    connect(ComboBoxEx1, &QComboBox::activated, this, &TFrame_Panel8::ComboBoxEx1Change);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrame_Panel8::BitBtn2Click);
}

void TFrame_Panel8::LayOut() {
    auto* shutdown = new QGridLayout(GroupBox2);
    shutdown->addWidget(CheckBox_PowerOff, 0, 0, 1, 3);
    shutdown->addWidget(Label2, 1, 0);
    shutdown->addWidget(DateTimePicker1, 1, 1);
    shutdown->addWidget(DateTimePicker2, 1, 2);
    shutdown->addWidget(CheckBox_PowerOff_daily, 2, 1, 1, 2);
    auto* password = new QGridLayout(GroupBox3);
    password->addWidget(CheckBox_password, 0, 0, 1, 2);
    password->addWidget(Label3, 1, 0);
    password->addWidget(Edit_password1, 1, 1);
    password->addWidget(Label4, 2, 0);
    password->addWidget(Edit_password2, 2, 1);
    auto* grid = new QGridLayout(GroupBox5);
    grid->addWidget(Label7, 0, 0);
    grid->addWidget(CSpinEdit_Rows, 0, 1);
    grid->addWidget(Label8, 1, 0);
    grid->addWidget(CSpinEdit_Cols, 1, 1);
    grid->setColumnStretch(2, 1);

    auto* right = new QGridLayout;
    right->addWidget(checkBox_startPOWERON, 0, 0, 1, 2);
    right->addWidget(CheckBox_systray, 1, 0, 1, 2);
    right->addWidget(CheckBox_topwindow, 2, 0, 1, 2);
    right->addWidget(GroupBox5, 3, 0, 1, 2);
    right->addWidget(Label17, 4, 0);
    right->addWidget(CSpinEdit_history, 4, 1);
    right->addWidget(Label5, 5, 0);
    right->addWidget(ComboBoxEx1, 5, 1);
    right->setRowStretch(6, 1);
    right->setColumnStretch(1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox2);
    left->addWidget(GroupBox3);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);

    auto* logRow = new QHBoxLayout;
    logRow->addWidget(Label6);
    logRow->addWidget(Edit_logpath, 1);
    logRow->addWidget(BitBtn3);
    auto* diskRow = new QHBoxLayout;
    diskRow->addWidget(Label10);
    diskRow->addWidget(CSpinEdit_diskspacelimited);
    diskRow->addWidget(Label1);
    diskRow->addStretch();
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(12, 4, 12, 8);
    layout->addLayout(columns);
    layout->addSpacing(6);
    layout->addLayout(logRow);
    layout->addLayout(diskRow);
    layout->addStretch(1);
    layout->addWidget(BitBtn2, 0, Qt::AlignRight);
}

void TFrame_Panel8::SetTexts() {
    checkBox_startPOWERON->setText(LanguageText(text::kStartWithTheSystem));
    CheckBox_systray->setText(LanguageText(text::kMinimizeToTrayAfterStart));
    CheckBox_topwindow->setText(LanguageText(text::kAlwaysOnTop));
    GroupBox2->setTitle(LanguageText(text::kScheduledShutdown));
    CheckBox_PowerOff->setText(LanguageText(text::kEnable));
    Label2->setText(LanguageText(text::kShutdownTime));
    CheckBox_PowerOff_daily->setText(LanguageText(text::kEveryDay));
    GroupBox3->setTitle(LanguageText(text::kPasswordProtection));
    CheckBox_password->setText(LanguageText(text::kEnable218));
    Label3->setText(LanguageText(text::kPassword));
    Label4->setText(LanguageText(text::kConfirmPassword));
    Label6->setText(LanguageText(text::kLogFolder));
    BitBtn3->setText(LanguageText(text::kBrowse));
    Label17->setText(LanguageText(text::kDaysOfHistoryToKeep));
    Label10->setText(LanguageText(text::kDeleteOldRecordingsWhenFreeSpace));
    GroupBox5->setTitle(LanguageText(text::kNumberOfCameras));
    Label7->setText(LanguageText(text::kRows));
    Label8->setText(LanguageText(text::kColumns));
    BitBtn2->setText(LanguageText(text::kOK));
}

void TFrame_Panel8::LoadSettings() {
    if (!gOption) return;
    const Option& o = *gOption;
    checkBox_startPOWERON->setChecked(o.startWithComputer);
    CheckBox_topwindow->setChecked(o.topWindow);
    CheckBox_PowerOff->setChecked(o.powerOff);
    CheckBox_PowerOff_daily->setChecked(o.powerOffDaily);
    const QDate day = ShortTextToDate(o.powerOffDay);
    DateTimePicker1->setDate(day.isValid() ? day : QDate::currentDate());
    // An unreadable time leaves the picker as it was made.
    const QTime at = LongTextToTime(o.powerOffTime);
    if (at.isValid()) DateTimePicker2->setTime(at);

    CheckBox_password->setChecked(o.passwordOn != 0);
    const QString password = o.passwordOn != 0 ? o.password : QString();
    Edit_password1->setText(password);
    Edit_password2->setText(password);
    Edit_logpath->setText(o.LogPath);
    CheckBox_systray->setChecked(o.minimizeToTray);
    SetWidening(CSpinEdit_history, o.historyDays);
    CheckBox_passwordClick();
    ApplyShutdownRule();
    CSpinEdit_Rows->setValue(o.gridRows);
    CSpinEdit_Cols->setValue(o.gridCols);
    SetWidening(CSpinEdit_diskspacelimited, std::max(0, o.diskSpaceLimitMB));
    ComboBoxEx1->setCurrentIndex(ComboBoxEx1->findData(o.languageIndex));
}

void TFrame_Panel8::ApplyShutdownRule() {
    const bool on = CheckBox_PowerOff->isChecked();
    CheckBox_PowerOff_daily->setEnabled(on);
    DateTimePicker2->setEnabled(on);
    DateTimePicker1->setEnabled(on && !CheckBox_PowerOff_daily->isChecked());
}

void TFrame_Panel8::CheckBox_passwordClick() {
    const bool on = CheckBox_password->isChecked();
    Edit_password1->setEnabled(on);
    Edit_password2->setEnabled(on);
}

void TFrame_Panel8::BitBtn3Click() {
    const QString chosen =
        dialogs.folder(this, QStringLiteral("Select folder with files"), Edit_logpath->text());
    if (chosen.isEmpty()) return;
    if (!UsableLogFolder(chosen)) {
        dialogs.message(this, LanguageText(text::kTheLogFolderMustBeA));
        return;
    }
    Edit_logpath->setText(WithSlash(QDir::cleanPath(chosen)));
}

void TFrame_Panel8::ComboBoxEx1Change(int item) {
    if (!gOption || item < 0) return;
    gOption->LoadLanguageModule(ComboBoxEx1->itemData(item).toInt());
    SetTexts();
}

void TFrame_Panel8::BitBtn2Click() {
    ApplyChoices();
    emit closeRequested();
}

void TFrame_Panel8::ApplyChoices() {
    if (!StoreSettings()) return;
    if (!gOption->SaveSettings())
        dialogs.message(this, LanguageText(text::kTheSettingsCouldNotBeSaved));
    gOption->LoadLanguageModule(gOption->languageIndex);
    gOption->lastCleanupDate = kRetentionAgain;
}

bool TFrame_Panel8::StoreSettings() {
    if (!gOption) return false;
    Option& o = *gOption;
    if (CheckBox_password->isChecked()) {
        if (!GlobalSettings::PasswordEntriesAccepted(Edit_password1->text(),
                                                     Edit_password2->text())) {
            dialogs.message(this, LanguageText(text::kThePasswordsDifferOrAreEmpty));
            return false;
        }
        o.passwordOn = 1;
        o.password = Edit_password1->text();
    } else {
        o.passwordOn = 0;
        o.password.clear();
    }
    o.startWithComputer = checkBox_startPOWERON->isChecked();
    o.topWindow = CheckBox_topwindow->isChecked();
    o.powerOff = CheckBox_PowerOff->isChecked();
    o.powerOffDaily = CheckBox_PowerOff_daily->isChecked();
    o.minimizeToTray = CheckBox_systray->isChecked();
    o.powerOffDay = DateToShortText(DateTimePicker1->date());
    o.powerOffTime = TimeToLongText(DateTimePicker2->time());
    // The folder came through the chooser's check; one that went bad since keeps the old.
    if (UsableLogFolder(Edit_logpath->text()))
        o.LogPath = WithSlash(Edit_logpath->text());
    else
        dialogs.message(this, LanguageText(text::kTheLogFolderMustBeA));
    o.historyDays = CSpinEdit_history->value();
    o.requestedRows = CSpinEdit_Rows->value();
    o.requestedCols = CSpinEdit_Cols->value();
    o.diskSpaceLimitMB = CSpinEdit_diskspacelimited->value();
    // A stored language the list has no item for stays as stored.
    if (ComboBoxEx1->currentIndex() >= 0) o.languageIndex = ComboBoxEx1->currentData().toInt();
    return true;
}

}  // namespace trelvix
