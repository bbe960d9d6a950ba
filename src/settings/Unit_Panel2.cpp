#include "settings/Unit_Panel2.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QProcess>
#include <QSaveFile>
#include <QStyle>
#include <QVBoxLayout>

#include "capture/Sound.h"
#include "capture/Usbcamera.h"
#include "common/Files.h"
#include "common/Process.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"

namespace trelvix {

namespace {

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, int stretchAt = -1) {
    auto* row = new QHBoxLayout;
    int i = 0;
    for (QWidget* w : widgets) row->addWidget(w, i++ == stretchAt ? 1 : 0);
    if (stretchAt < 0) row->addStretch();
    return row;
}

QPushButton* ColourButton(const QString& text, const QColor& colour, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setFlat(true);
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, colour);
    b->setPalette(pal);
    return b;
}

// Copies `source` into `folder` under its own name, replacing a file of that name only once the
// whole copy is written: a failed copy leaves the folder as it was.
bool CopyIntoFolder(const QString& source, const QString& folder) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(folder + QFileInfo(source).fileName());
    if (!out.open(QIODevice::WriteOnly)) return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) return false;
        if (out.write(chunk) != chunk.size()) return false;
    }
    return out.commit();
}

// A group's switch above the group, both in `box`.
QWidget* Stacked(QWidget* box, QCheckBox* check, QGroupBox* group) {
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(check);
    layout->addWidget(group);
    return box;
}

}  // namespace

TShape::TShape(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Shape1"));
    setFixedSize(20, 18);
}

void TShape::SetBrushColour(const QColor& c) {
    colour_ = c;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(colour_);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

TFrame_Panel2::TFrame_Panel2(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kMotionDetection453) {
    setObjectName(QStringLiteral("TFrame_Panel2"));
    soundFolder_ = gOption ? gOption->mediaFolder : QString();
    Panel2 = new TPreviewPanel(QStringLiteral("Panel2"), Body());
    connect(Panel2, &TPreviewPanel::mouseDown, this, &TFrame_Panel2::Panel2MouseDown);
    connect(Panel2, &TPreviewPanel::mouseMove, this, &TFrame_Panel2::Panel2MouseMove);
    connect(Panel2, &TPreviewPanel::mouseUp, this, [this] { Panel2MouseUp(); });

    auto* left = new QVBoxLayout;
    left->addWidget(Panel2);
    left->addWidget(BuildDetection());
    left->addWidget(BuildObjectControls());
    left->addStretch();

    CheckBox_NoCapImage_move = new QCheckBox(LanguageText(text::kNoPictureOnMotion), Body());
    CheckBox_NoCapImage_move->setObjectName(QStringLiteral("CheckBox_NoCapImage_move"));
    Label1_ts = WrappingLabel(LanguageText(text::kUseThisFeatureWithCareWhile), Body());
    auto* right = new QVBoxLayout;
    right->addWidget(BuildSoundGroup());
    right->addWidget(CheckBox_NoCapImage_move);
    right->addWidget(BuildProgramGroup());
    right->addLayout(BuildRecordSentence());
    right->addWidget(Label1_ts);
    right->addStretch();

    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(8, 0, 8, 8);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    FillSoundList();
}

QWidget* TFrame_Panel2::BuildDetection() {
    auto* box = new QWidget(Body());
    Shape1 = new TShape(box);
    CheckBox_startMove = new QCheckBox(LanguageText(text::kEnableMotionDetection), box);
    CheckBox_startMove->setObjectName(QStringLiteral("CheckBox_startMove"));
    Label2 = new QLabel(LanguageText(text::kSensitivityLowerIsMoreSensitive), box);
    TrackBar_dlta = new QSlider(Qt::Horizontal, box);
    TrackBar_dlta->setObjectName(QStringLiteral("TrackBar_dlta"));
    TrackBar_dlta->setRange(1, 40);
    connect(TrackBar_dlta, &QSlider::valueChanged, this, &TFrame_Panel2::TrackBar_dltaChange);
    Label8 = new QLabel(LanguageText(text::kRegionColor), box);
    SpeedButton9 = ColourButton(LanguageText(text::kRed), Qt::red, box);
    SpeedButton10 = ColourButton(LanguageText(text::kGreen), QColor(0, 255, 0), box);
    SpeedButton11 = ColourButton(LanguageText(text::kBlue), Qt::blue, box);
    connect(SpeedButton9, &QPushButton::clicked, this, [this] { SetMarkColour(1); });
    connect(SpeedButton10, &QPushButton::clicked, this, [this] { SetMarkColour(2); });
    connect(SpeedButton11, &QPushButton::clicked, this, [this] { SetMarkColour(3); });
    Label6 = new QLabel(LanguageText(text::kDetectionIntervalS), box);
    CSpinEdit1 = new QSpinBox(box);
    CSpinEdit1->setObjectName(QStringLiteral("CSpinEdit1"));
    CSpinEdit1->setRange(0, 6);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(Row({Shape1, CheckBox_startMove}));
    layout->addWidget(Label2);
    layout->addWidget(TrackBar_dlta);
    layout->addLayout(Row({Label8, SpeedButton9, SpeedButton10, SpeedButton11}));
    layout->addLayout(Row({Label6, CSpinEdit1}));
    return box;
}

QWidget* TFrame_Panel2::BuildSoundGroup() {
    // The switch sits above its group, outside it, so greying the group leaves it usable.
    auto* box = new QWidget(Body());
    auto* g = new QGroupBox(LanguageText(text::kMotionSound), box);
    GroupBox_capImagePlaySound_move = g;
    CheckBox_capImagePlaySound_move = new QCheckBox(LanguageText(text::kEnable469), box);
    CheckBox_capImagePlaySound_move->setObjectName(
        QStringLiteral("CheckBox_capImagePlaySound_move"));
    Label18_capImagePlaySound_move = new QLabel(LanguageText(text::kSound), g);
    ComboBox_capImagePlaySound_move = new QComboBox(g);
    ComboBox_capImagePlaySound_move->setObjectName(
        QStringLiteral("ComboBox_capImagePlaySound_move"));
    BitBtn_capImagePlaySound_Preview_move = new QPushButton(g);
    BitBtn_capImagePlaySound_Preview_move->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    BitBtn__capImagePlaySound_Brow_move = new QPushButton(LanguageText(text::kBrowse458), g);
    connect(CheckBox_capImagePlaySound_move, &QCheckBox::clicked, this,
            &TFrame_Panel2::CheckBox_capImagePlaySound_moveClick);
    connect(BitBtn_capImagePlaySound_Preview_move, &QPushButton::clicked, this,
            &TFrame_Panel2::BitBtn_capImagePlaySound_Preview_moveClick);
    connect(BitBtn__capImagePlaySound_Brow_move, &QPushButton::clicked, this,
            &TFrame_Panel2::BitBtn__capImagePlaySound_Brow_moveClick);

    auto* layout = new QVBoxLayout(g);
    layout->addLayout(
        Row({Label18_capImagePlaySound_move, ComboBox_capImagePlaySound_move,
             BitBtn_capImagePlaySound_Preview_move, BitBtn__capImagePlaySound_Brow_move},
            1));
    return Stacked(box, CheckBox_capImagePlaySound_move, g);
}

QWidget* TFrame_Panel2::BuildProgramGroup() {
    auto* box = new QWidget(Body());
    auto* g = new QGroupBox(LanguageText(text::kRunProgramOnMotion), box);
    GroupBox_capImageShellExecute_move = g;
    CheckBox_capImageShellExecute_move = new QCheckBox(LanguageText(text::kEnable468), box);
    CheckBox_capImageShellExecute_move->setObjectName(
        QStringLiteral("CheckBox_capImageShellExecute_move"));
    Label18_capImageShellExecute_move = new QLabel(LanguageText(text::kProgram461), g);
    program_capImageShellExecute_move = new QLineEdit(g);
    program_capImageShellExecute_move->setReadOnly(true);
    BitBtn_capImageShellExecute_move = new QPushButton(LanguageText(text::kBrowse464), g);
    BitBtn1_capImageShellExecute_move = new QPushButton(g);
    BitBtn1_capImageShellExecute_move->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    Label19_capImageShellExecute_move = new QLabel(LanguageText(text::kWindow), g);
    RunMode_capImageShellExecute_move = new QComboBox(g);
    RunMode_capImageShellExecute_move->addItems({LanguageText(text::kNormalWindow),
                                                 LanguageText(text::kMinimized),
                                                 LanguageText(text::kMaximized)});
    Label181_capImageShellExecute_move = new QLabel(LanguageText(text::kParameters), g);
    param_capImageShellExecute_move = new QLineEdit(g);
    param_capImageShellExecute_move->setMaxLength(CDataClass::kMaxTextUnits);
    connect(CheckBox_capImageShellExecute_move, &QCheckBox::clicked, this,
            &TFrame_Panel2::CheckBox_capImageShellExecute_moveClick);
    connect(BitBtn_capImageShellExecute_move, &QPushButton::clicked, this,
            &TFrame_Panel2::BitBtn_capImageShellExecute_moveClick);
    connect(BitBtn1_capImageShellExecute_move, &QPushButton::clicked, this,
            &TFrame_Panel2::BitBtn1_capImageShellExecute_moveClick);

    auto* layout = new QVBoxLayout(g);
    layout->addLayout(Row({Label18_capImageShellExecute_move, program_capImageShellExecute_move,
                           BitBtn_capImageShellExecute_move, BitBtn1_capImageShellExecute_move},
                          1));
    layout->addLayout(Row({Label19_capImageShellExecute_move, RunMode_capImageShellExecute_move}));
    layout->addLayout(
        Row({Label181_capImageShellExecute_move, param_capImageShellExecute_move}, 1));
    return Stacked(box, CheckBox_capImageShellExecute_move, g);
}

QLayout* TFrame_Panel2::BuildRecordSentence() {
    CheckBox_CapVideo_move = new QCheckBox(Body());
    CheckBox_CapVideo_move->setObjectName(QStringLiteral("CheckBox_CapVideo_move"));
    Label_CapVideo_move = new QLabel(LanguageText(text::kRecordOnMotionStopAfter), Body());
    CSpinEdit_CapVideo_move = new QSpinBox(Body());
    CSpinEdit_CapVideo_move->setObjectName(QStringLiteral("CSpinEdit_CapVideo_move"));
    CSpinEdit_CapVideo_move->setRange(20, 3600);
    Label1_CapVideo_move = new QLabel(LanguageText(text::kSecondsWithoutMotion), Body());
    for (QLabel* l : {Label_CapVideo_move, Label1_CapVideo_move}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        l->setPalette(pal);
    }
    connect(CheckBox_CapVideo_move, &QCheckBox::clicked, this,
            &TFrame_Panel2::CheckBox_CapVideo_moveClick);
    // One sentence on two lines: record on motion, stop after N seconds without motion.
    auto* layout = new QVBoxLayout;
    layout->addLayout(Row({CheckBox_CapVideo_move, Label_CapVideo_move}));
    layout->addLayout(Row({CSpinEdit_CapVideo_move, Label1_CapVideo_move}));
    return layout;
}

void TFrame_Panel2::FillSoundList() {
    ComboBox_capImagePlaySound_move->clear();
    const QFileInfoList files =
        QDir(soundFolder_)
            .entryInfoList({QStringLiteral("*.wav")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& f : files)
        if (f.size() > 0) AddSound(f.fileName());
    ComboBox_capImagePlaySound_move->setCurrentIndex(-1);
}

void TFrame_Panel2::AddSound(const QString& file) {
    // The sounds that come with the program keep their file names (stored records name them)
    // but show a name in the interface's language.
    static const struct {
        const char16_t* file;
        int textId;
    } kShipped[] = {{u"欢迎光临.WAV", text::kWelcome}, {u"拍照咔嚓.WAV", text::kCameraShutter}};
    QString shown = file;
    for (const auto& s : kShipped)
        if (file == QString::fromUtf16(s.file)) shown = LanguageText(s.textId);
    ComboBox_capImagePlaySound_move->addItem(shown.isEmpty() ? file : shown, file);
}

QString TFrame_Panel2::SoundFile(int index) const {
    return ComboBox_capImagePlaySound_move->itemData(index).toString();
}

int TFrame_Panel2::SoundIndex(const QString& name, Qt::CaseSensitivity cs) const {
    for (int i = 0; i < ComboBox_capImagePlaySound_move->count(); ++i)
        if (SoundFile(i).compare(name, cs) == 0) return i;
    return -1;
}

void TFrame_Panel2::EnableSoundControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             GroupBox_capImagePlaySound_move, ComboBox_capImagePlaySound_move,
             BitBtn_capImagePlaySound_Preview_move, BitBtn__capImagePlaySound_Brow_move,
             Label18_capImagePlaySound_move})
        w->setEnabled(enabled);
}

void TFrame_Panel2::EnableProgramControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             GroupBox_capImageShellExecute_move, Label18_capImageShellExecute_move,
             program_capImageShellExecute_move, Label19_capImageShellExecute_move,
             RunMode_capImageShellExecute_move, BitBtn_capImageShellExecute_move,
             Label181_capImageShellExecute_move, param_capImageShellExecute_move,
             BitBtn1_capImageShellExecute_move})
        w->setEnabled(enabled);
}

void TFrame_Panel2::EnableRecordControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{Label_CapVideo_move, CSpinEdit_CapVideo_move,
                                                      Label1_CapVideo_move})
        w->setEnabled(enabled);
}

void TFrame_Panel2::CheckBox_capImagePlaySound_moveClick() {
    if (!camera) return;
    StoreLive(camera->settings->motionSound, uint8_t(CheckBox_capImagePlaySound_move->isChecked()));
    EnableSoundControls(Live(camera->settings->motionSound));
}

void TFrame_Panel2::CheckBox_capImageShellExecute_moveClick() {
    if (!camera) return;
    StoreLive(camera->settings->motionRunProgram,
              uint8_t(CheckBox_capImageShellExecute_move->isChecked()));
    EnableProgramControls(Live(camera->settings->motionRunProgram));
}

void TFrame_Panel2::CheckBox_CapVideo_moveClick() {
    // Only the look changes: motionRecord follows when the page is saved.
    EnableRecordControls(CheckBox_CapVideo_move->isChecked());
}

void TFrame_Panel2::BitBtn_capImagePlaySound_Preview_moveClick() {
    const QString name = SoundFile(ComboBox_capImagePlaySound_move->currentIndex());
    if (name.isEmpty()) return;
    const QString file = name.contains(QLatin1Char('/')) ? name : soundFolder_ + name;
    if (QFileInfo(file).isFile()) PlaySoundFile(file);
}

void TFrame_Panel2::BitBtn__capImagePlaySound_Brow_moveClick() {
    const QString chosen =
        dialogs.openFile(this, soundFolder_, LanguageText(text::kWaveSoundsWavAllFiles));
    if (chosen.isEmpty()) return;
    const QFileInfo info(chosen);
    const QString name = info.fileName();
    const bool inSoundFolder =
        WithSlash(info.absolutePath()).compare(WithSlash(soundFolder_), Qt::CaseInsensitive) == 0;
    if (!inSoundFolder && !CopyIntoFolder(chosen, soundFolder_)) {
        dialogs.message(this, LanguageText(text::kTheFileCouldNotBeCopied));
        return;
    }
    int index = SoundIndex(name, Qt::CaseInsensitive);
    if (index < 0 && !inSoundFolder) {
        AddSound(name);
        index = ComboBox_capImagePlaySound_move->count() - 1;
    }
    if (index >= 0) ComboBox_capImagePlaySound_move->setCurrentIndex(index);
}

void TFrame_Panel2::BitBtn_capImageShellExecute_moveClick() {
    const QString chosen =
        dialogs.openFile(this, QString(), LanguageText(text::kProgramsShellScriptsSh));
    if (!chosen.isEmpty()) program_capImageShellExecute_move->setText(chosen);
}

void TFrame_Panel2::BitBtn1_capImageShellExecute_moveClick() {
    // Started directly with its parameters split as a command line, never through a shell.
    const QString program = program_capImageShellExecute_move->text();
    if (program.isEmpty() || !QFileInfo(program).isFile()) return;
    StartProgram(program, QProcess::splitCommand(param_capImageShellExecute_move->text()));
}

void TFrame_Panel2::SetMarkColour(int colour) {
    if (camera) StoreLive(camera->settings->motionMarkColour, int32_t(colour));
}

void TFrame_Panel2::TrackBar_dltaChange() {
    if (camera) StoreLive(camera->settings->motionSensitivity, int32_t(TrackBar_dlta->value()));
}

void TFrame_Panel2::LoadFromCamera() {
    if (!camera) return;
    CDataClass& s = *camera->settings;
    // A stored sensitivity out of range is shown clamped, and the slider's change stores it.
    TrackBar_dlta->setValue(Live(s.motionSensitivity));
    TrackBar_dltaChange();
    CSpinEdit1->setValue(Live(s.motionIntervalSeconds));
    CSpinEdit_minSize->setValue(Live(s.motionMinSize));
    ComboBox_motionMode->setCurrentIndex(Live(s.motionMode) == kMotionObject ? 1 : 0);
    CheckBox_motionPeople->setChecked(Live(s.motionPeople));
    EnableObjectControls();
    // Before the first frame the picture's size is unknown: the region then stays as stored.
    const int w = camera->view().FrameSize().width(), h = camera->view().FrameSize().height();
    if (w > 0 && h > 0) StoreRegion(s, RepairRegion(StoredRegion(s), w, h));

    CheckBox_startMove->setChecked(Live(s.motionEnabled));
    CheckBox_capImagePlaySound_move->setChecked(Live(s.motionSound));
    GroupBox_capImagePlaySound_move->setEnabled(CheckBox_capImagePlaySound_move->isChecked());
    // A sound the list does not have leaves no selection, and saving then keeps the stored name.
    ComboBox_capImagePlaySound_move->setCurrentIndex(
        SoundIndex(s.motionSoundFile, Qt::CaseSensitive));
    CheckBox_capImagePlaySound_moveClick();

    CheckBox_NoCapImage_move->setChecked(Live(s.motionNoPicture));
    CheckBox_capImageShellExecute_move->setChecked(Live(s.motionRunProgram));
    program_capImageShellExecute_move->setText(s.motionProgramPath);
    const int show = Live(s.motionProgramShow);
    RunMode_capImageShellExecute_move->setCurrentIndex(show >= 0 && show < 3 ? show : 0);
    param_capImageShellExecute_move->setText(s.motionProgramParams);
    EnableProgramControls(Live(s.motionRunProgram));

    CheckBox_CapVideo_move->setChecked(Live(s.motionRecord));
    CSpinEdit_CapVideo_move->setValue(Live(s.motionRecordStopSeconds));
    EnableRecordControls(CheckBox_CapVideo_move->isChecked());
}

void TFrame_Panel2::SaveToCamera() {
    if (!camera) return;
    camera->view().SetRegionTestMode(false);
    camera->view().ClearPreviewTarget();
    CDataClass& s = *camera->settings;
    StoreLive(s.motionIntervalSeconds, int32_t(CSpinEdit1->value()));
    StoreLive(s.motionSound, uint8_t(CheckBox_capImagePlaySound_move->isChecked()));
    if (ComboBox_capImagePlaySound_move->currentIndex() >= 0)
        s.motionSoundFile = SoundFile(ComboBox_capImagePlaySound_move->currentIndex());
    StoreLive(s.motionEnabled, uint8_t(CheckBox_startMove->isChecked()));
    StoreLive(s.motionNoPicture, uint8_t(CheckBox_NoCapImage_move->isChecked()));
    StoreLive(s.motionRunProgram, uint8_t(CheckBox_capImageShellExecute_move->isChecked()));
    s.motionProgramPath = program_capImageShellExecute_move->text();
    StoreLive(s.motionProgramShow, int32_t(RunMode_capImageShellExecute_move->currentIndex()));
    s.motionProgramParams = param_capImageShellExecute_move->text();
    StoreLive(s.motionRecord, uint8_t(CheckBox_CapVideo_move->isChecked()));
    StoreLive(s.motionRecordStopSeconds, int32_t(CSpinEdit_CapVideo_move->value()));
}

void TFrame_Panel2::EnableControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{TrackBar_dlta,
                                                      SpeedButton9,
                                                      SpeedButton10,
                                                      SpeedButton11,
                                                      CSpinEdit1,
                                                      CheckBox_startMove,
                                                      CheckBox_capImagePlaySound_move,
                                                      GroupBox_capImagePlaySound_move,
                                                      Label18_capImagePlaySound_move,
                                                      ComboBox_capImagePlaySound_move,
                                                      BitBtn_capImagePlaySound_Preview_move,
                                                      BitBtn__capImagePlaySound_Brow_move,
                                                      CheckBox_NoCapImage_move,
                                                      CheckBox_capImageShellExecute_move,
                                                      GroupBox_capImageShellExecute_move,
                                                      Label18_capImageShellExecute_move,
                                                      program_capImageShellExecute_move,
                                                      BitBtn_capImageShellExecute_move,
                                                      BitBtn1_capImageShellExecute_move,
                                                      Label19_capImageShellExecute_move,
                                                      RunMode_capImageShellExecute_move,
                                                      Label181_capImageShellExecute_move,
                                                      param_capImageShellExecute_move,
                                                      CheckBox_CapVideo_move,
                                                      Label_CapVideo_move,
                                                      CSpinEdit_CapVideo_move,
                                                      Label1_CapVideo_move,
                                                      ComboBox_motionMode})
        w->setEnabled(enabled);
    EnableObjectControls();
}

}  // namespace trelvix
