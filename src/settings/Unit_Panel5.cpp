#include "settings/Unit_Panel5.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTemporaryFile>
#include <algorithm>

#include "capture/Usbcamera.h"
#include "common/Files.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"

namespace trelvix {

namespace {

// A folder recordings can go into: it exists (or can be made) and a file can be written there.
bool UsableFolder(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
    QTemporaryFile probe(WithSlash(folder) + QStringLiteral(".trelvix-XXXXXX"));
    return probe.open();
}

QLabel* RightAligned(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

TFrame_Panel5::TFrame_Panel5(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kRecording) {
    setObjectName(QStringLiteral("TFrame_Panel5"));
    QWidget* b = Body();
    Label18 = RightAligned(LanguageText(text::kVideoFolder), b);
    Edit_VideoPath = new QLineEdit(b);
    Edit_VideoPath->setObjectName(QStringLiteral("Edit_VideoPath"));
    Edit_VideoPath->setReadOnly(true);
    BitBtn1 = new QPushButton(LanguageText(text::kBrowse439), b);
    Label14 = RightAligned(LanguageText(text::kPictureFolder), b);
    Edit_ImagePath = new QLineEdit(b);
    Edit_ImagePath->setObjectName(QStringLiteral("Edit_ImagePath"));
    Edit_ImagePath->setReadOnly(true);
    BitBtn4 = new QPushButton(LanguageText(text::kBrowse440), b);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrame_Panel5::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFrame_Panel5::BitBtn4Click);

    Label_codec = RightAligned(LanguageText(text::kVideoFormat), b);
    ComboBox_codec = new QComboBox(b);
    ComboBox_codec->setObjectName(QStringLiteral("ComboBox_codec"));
    ComboBox_codec->addItems(
        {LanguageText(text::kMPEG4PlaysEverywhere), LanguageText(text::kH264SmallerFiles)});
    Label_preMotion = RightAligned(LanguageText(text::kSecondsBeforeMotion), b);
    CSpinEdit_preMotion = new QSpinBox(b);
    CSpinEdit_preMotion->setObjectName(QStringLiteral("CSpinEdit_preMotion"));
    CSpinEdit_preMotion->setRange(0, 30);
    CSpinEdit_preMotion->setValue(5);
    CSpinEdit_preMotion->setToolTip(LanguageText(text::kAMotionRecordingBeginsThisMany));
    Label1 = RightAligned(LanguageText(text::kVideoQuality), b);
    Label4 = new QLabel(LanguageText(text::kGood), b);
    Label5 = new QLabel(LanguageText(text::kPoor), b);
    Label_XVIDquant = new QLabel(b);
    TrackBar_XVIDquant = Bar("TrackBar_XVIDquant", 0, 31, Label_XVIDquant);
    TrackBar_XVIDquant->setValue(31);
    Label3 = RightAligned(LanguageText(text::kVideoFileLengthMinutes), b);
    Label_XVIDjgminutes = new QLabel(b);
    TrackBar_XVIDjgminutes = Bar("TrackBar_XVIDjgminutes", 5, 60, Label_XVIDjgminutes);
    TrackBar_XVIDjgminutes->setValue(15);
    Label6 = RightAligned(LanguageText(text::kFrameRate30752), b);
    CSpinEdit_frameRate = new QSpinBox(b);
    CSpinEdit_frameRate->setObjectName(QStringLiteral("CSpinEdit_frameRate"));
    CSpinEdit_frameRate->setRange(5, 30);
    CSpinEdit_frameRate->setValue(10);
    Label7 = WrappingLabel(LanguageText(text::kIfRecordingsPlayBackTooSlowly), b);
    QPalette red = Label7->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label7->setPalette(red);
    // The compression is kept as stored: loaded and saved, never shown.
    Label2 = new QLabel(LanguageText(text::kCompression), b);
    Label_XVIDcompress = new QLabel(b);
    TrackBar_XVIDcompress = Bar("TrackBar_XVIDcompress", 0, 15, Label_XVIDcompress);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label2, Label_XVIDcompress, TrackBar_XVIDcompress})
        w->setVisible(false);
    // The value labels start empty whatever the bars' first positions were.
    for (QLabel* l : {Label_XVIDquant, Label_XVIDjgminutes, Label_XVIDcompress}) l->clear();
    LayOutRows(b);
}

void TFrame_Panel5::LayOutRows(QWidget* b) {
    auto* quality = new QHBoxLayout;
    quality->addWidget(Label4);
    quality->addWidget(TrackBar_XVIDquant, 1);
    quality->addWidget(Label5);
    auto* grid = new QGridLayout(b);
    grid->setContentsMargins(16, 8, 16, 8);
    grid->setVerticalSpacing(14);
    grid->addWidget(Label18, 0, 0);
    grid->addWidget(Edit_VideoPath, 0, 1);
    grid->addWidget(BitBtn1, 0, 2);
    grid->addWidget(Label14, 1, 0);
    grid->addWidget(Edit_ImagePath, 1, 1);
    grid->addWidget(BitBtn4, 1, 2);
    grid->addWidget(Label_codec, 2, 0);
    grid->addWidget(ComboBox_codec, 2, 1, Qt::AlignLeft);
    grid->addWidget(Label1, 3, 0);
    grid->addLayout(quality, 3, 1);
    grid->addWidget(Label_XVIDquant, 3, 2);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(TrackBar_XVIDjgminutes, 4, 1);
    grid->addWidget(Label_XVIDjgminutes, 4, 2);
    grid->addWidget(Label6, 5, 0);
    grid->addWidget(CSpinEdit_frameRate, 5, 1, Qt::AlignLeft);
    grid->addWidget(Label7, 6, 0, 1, 3);  // the frame rate's hint, under it
    grid->addWidget(Label_preMotion, 7, 0);
    grid->addWidget(CSpinEdit_preMotion, 7, 1, Qt::AlignLeft);
    grid->addWidget(Label2, 8, 0);
    grid->addWidget(TrackBar_XVIDcompress, 8, 1);
    grid->addWidget(Label_XVIDcompress, 8, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(9, 1);
}

QSlider* TFrame_Panel5::Bar(const char* name, int low, int high, QLabel* valueLabel) {
    auto* bar = new QSlider(Qt::Horizontal, Body());
    bar->setObjectName(QLatin1String(name));
    bar->setRange(low, high);
    bar->setTickPosition(QSlider::NoTicks);
    connect(bar, &QSlider::valueChanged, valueLabel,
            [valueLabel](int v) { valueLabel->setNum(v); });
    return bar;
}

void TFrame_Panel5::ChooseFolder(QLineEdit* edit, int titleTextId) {
    const QString chosen = dialogs.folder(this, LanguageText(titleTextId), edit->text());
    if (chosen.isEmpty()) return;
    if (!UsableFolder(chosen)) {
        dialogs.message(this, LanguageText(text::kTheFolderCannotBeCreatedOr));
        return;
    }
    edit->setText(WithSlash(QDir::cleanPath(chosen)));
}

void TFrame_Panel5::BitBtn1Click() {
    ChooseFolder(Edit_VideoPath, text::kSelectVideoFolder);
    // Chosen or not: the daily retention pass runs again at its next check.
    if (gOption) gOption->lastCleanupDate = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
}

void TFrame_Panel5::BitBtn4Click() {
    ChooseFolder(Edit_ImagePath, text::kSelectPictureFolder);
}

void TFrame_Panel5::LoadFromCamera() {
    if (!camera) return;
    CDataClass& s = *camera->settings;
    Edit_VideoPath->setText(s.videoFolder);
    Edit_ImagePath->setText(s.imageFolder);
    TrackBar_XVIDjgminutes->setValue(Live(s.segmentMinutes));
    TrackBar_XVIDcompress->setValue(Live(s.xvidCompress));
    TrackBar_XVIDquant->setValue(Live(s.xvidQuant));
    // The labels show the positions even where a bar did not move.
    Label_XVIDjgminutes->setNum(TrackBar_XVIDjgminutes->value());
    Label_XVIDcompress->setNum(TrackBar_XVIDcompress->value());
    Label_XVIDquant->setNum(TrackBar_XVIDquant->value());
    CSpinEdit_frameRate->setValue(Live(s.recordFrameRate));
    ComboBox_codec->setCurrentIndex(std::clamp(Live(s.recordCodec), 0, 1));
    CSpinEdit_preMotion->setValue(Live(s.preMotionSeconds));
}

void TFrame_Panel5::SaveToCamera() {
    if (!camera) return;
    camera->view().SetRegionTestMode(false);
    camera->view().ClearPreviewTarget();
    CDataClass& s = *camera->settings;
    s.videoFolder = Edit_VideoPath->text();
    s.imageFolder = Edit_ImagePath->text();
    StoreLive(s.segmentMinutes, int32_t(TrackBar_XVIDjgminutes->value()));
    StoreLive(s.xvidCompress, int32_t(TrackBar_XVIDcompress->value()));
    StoreLive(s.xvidQuant, int32_t(TrackBar_XVIDquant->value()));
    StoreLive(s.recordFrameRate, int32_t(CSpinEdit_frameRate->value()));
    StoreLive(s.recordCodec, int32_t(ComboBox_codec->currentIndex()));
    StoreLive(s.preMotionSeconds, int32_t(CSpinEdit_preMotion->value()));
}

void TFrame_Panel5::EnableControls(bool enabled) {
    // The minutes bar and the frame-rate box stay as they are.
    for (QWidget* w : std::initializer_list<QWidget*>{
             BitBtn1, BitBtn4, Edit_VideoPath, Edit_ImagePath, TrackBar_XVIDquant,
             TrackBar_XVIDcompress, ComboBox_codec, CSpinEdit_preMotion})
        w->setEnabled(enabled);
}

}  // namespace trelvix
