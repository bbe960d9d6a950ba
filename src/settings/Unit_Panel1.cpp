#include "settings/Unit_Panel1.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "capture/Cautofont.h"
#include "capture/Usbcamera.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"

namespace trelvix {

namespace {

// Width and height of the text a renderer last drew; nothing drawn is 0 × 0.
// The position after one arrow step, kept inside the picture with the top-left border winning
// when the text is larger than the picture.
int ClampedPosition(int candidate, int pictureSize, int textSize) {
    return std::max(0, std::min(candidate, pictureSize - textSize));
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets) row->addWidget(w);
    if (stretch) row->addStretch();
    return row;
}

}  // namespace

TFrame_Panel1::TFrame_Panel1(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kOverlay) {
    setObjectName(QStringLiteral("TFrame_Panel1"));
    Panel1 = new TPreviewPanel(QStringLiteral("Panel1"), Body());
    FontDialog1Font = QFont(QStringLiteral("Tahoma"));
    FontDialog1Font.setPixelSize(16);

    Label10 = new QLabel(LanguageText(text::kStep), Body());
    CSpinEdit3 = new QSpinBox(Body());
    CSpinEdit3->setObjectName(QStringLiteral("CSpinEdit3"));
    CSpinEdit3->setRange(0, 20);
    CSpinEdit3->setValue(2);

    auto* left = new QVBoxLayout;
    left->addWidget(Panel1);
    left->addLayout(Row({Label10, CSpinEdit3}));
    left->addWidget(BuildOrientation());
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(BuildCaptionGroup());
    right->addWidget(BuildTimeGroup());
    right->addWidget(BuildRulerGroup());
    right->addStretch();

    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(8, 0, 8, 8);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}

QToolButton* TFrame_Panel1::Arrow(const char* name, Qt::ArrowType type) {
    auto* b = new QToolButton(Body());
    b->setObjectName(QLatin1String(name));
    b->setArrowType(type);
    b->setAutoRepeat(true);
    return b;
}

QWidget* TFrame_Panel1::BuildCaptionGroup() {
    GroupBox1 = new QGroupBox(LanguageText(text::kCaption30001), Body());
    Label9 = new QLabel(LanguageText(text::kCaption), GroupBox1);
    Label9->setText(LanguageText(text::kCaptionText));
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(CDataClass::kMaxTextUnits);
    SpeedButton14 = new QPushButton(LanguageText(text::kApply), GroupBox1);
    SpeedButton12 = new QPushButton(LanguageText(text::kFont429), GroupBox1);
    Label12 = new QLabel(LanguageText(text::kPosition432), GroupBox1);
    SpeedButton16 = Arrow("SpeedButton16", Qt::LeftArrow);
    SpeedButton15 = Arrow("SpeedButton15", Qt::UpArrow);
    SpeedButton17 = Arrow("SpeedButton17", Qt::DownArrow);
    SpeedButton18 = Arrow("SpeedButton18", Qt::RightArrow);
    connect(SpeedButton14, &QPushButton::clicked, this, &TFrame_Panel1::SpeedButton14Click);
    connect(SpeedButton12, &QPushButton::clicked, this, &TFrame_Panel1::SpeedButton12Click);
    connect(SpeedButton16, &QToolButton::clicked, this, [this] { MoveCaption(-1, 0); });
    connect(SpeedButton15, &QToolButton::clicked, this, [this] { MoveCaption(0, -1); });
    connect(SpeedButton17, &QToolButton::clicked, this, [this] { MoveCaption(0, 1); });
    connect(SpeedButton18, &QToolButton::clicked, this, [this] { MoveCaption(1, 0); });

    auto* layout = new QVBoxLayout(GroupBox1);
    layout->addLayout(Row({Label9, Edit1, SpeedButton14}, false));
    layout->addLayout(
        Row({Label12, SpeedButton16, SpeedButton15, SpeedButton17, SpeedButton18, SpeedButton12}));
    return GroupBox1;
}

QWidget* TFrame_Panel1::BuildTimeGroup() {
    GroupBox_timer = new QGroupBox(LanguageText(text::kShowTime), Body());
    CheckBox_timer = new QCheckBox(LanguageText(text::kEnable426), GroupBox_timer);
    CheckBox_timer->setObjectName(QStringLiteral("CheckBox_timer"));
    Label_timer1 = new QLabel(LanguageText(text::kFormat), GroupBox_timer);
    ComboBox_TimerFormat = new QComboBox(GroupBox_timer);
    ComboBox_TimerFormat->setObjectName(QStringLiteral("ComboBox_TimerFormat"));
    ComboBox_TimerFormat->addItems({QStringLiteral("y/m/d h:m:s"), QStringLiteral("y/m/d/w h:m:s"),
                                    QStringLiteral("w:h:m:s"), QStringLiteral("h:m:s")});
    Label_timer2 = new QLabel(LanguageText(text::kPosition), GroupBox_timer);
    SpeedButton_TimerLeft = Arrow("SpeedButton_TimerLeft", Qt::LeftArrow);
    SpeedButton_TimerUp = Arrow("SpeedButton_TimerUp", Qt::UpArrow);
    SpeedButton_TimerDown = Arrow("SpeedButton_TimerDown", Qt::DownArrow);
    SpeedButton_TimerRight = Arrow("SpeedButton_TimerRight", Qt::RightArrow);
    SpeedButton_TimerFont = new QPushButton(LanguageText(text::kFont), GroupBox_timer);
    connect(CheckBox_timer, &QCheckBox::clicked, this, &TFrame_Panel1::CheckBox_timerClick);
    connect(ComboBox_TimerFormat, &QComboBox::activated, this,
            &TFrame_Panel1::ComboBox_TimerFormatCloseUp);
    connect(SpeedButton_TimerLeft, &QToolButton::clicked, this, [this] { MoveTime(-1, 0); });
    connect(SpeedButton_TimerUp, &QToolButton::clicked, this, [this] { MoveTime(0, -1); });
    connect(SpeedButton_TimerDown, &QToolButton::clicked, this, [this] { MoveTime(0, 1); });
    connect(SpeedButton_TimerRight, &QToolButton::clicked, this, [this] { MoveTime(1, 0); });
    connect(SpeedButton_TimerFont, &QPushButton::clicked, this,
            &TFrame_Panel1::SpeedButton_TimerFontClick);

    auto* layout = new QVBoxLayout(GroupBox_timer);
    layout->addWidget(CheckBox_timer);
    layout->addLayout(Row({Label_timer1, ComboBox_TimerFormat}));
    layout->addLayout(Row({Label_timer2, SpeedButton_TimerLeft, SpeedButton_TimerUp,
                           SpeedButton_TimerDown, SpeedButton_TimerRight, SpeedButton_TimerFont}));
    return GroupBox_timer;
}

QWidget* TFrame_Panel1::BuildRulerGroup() {
    GroupBox2 = new QGroupBox(Body());
    CheckBox_ruler = new QCheckBox(LanguageText(text::kShowGuideLines), GroupBox2);
    CheckBox_ruler->setObjectName(QStringLiteral("CheckBox_ruler"));
    Label_ruler_line = new QLabel(LanguageText(text::kLine), GroupBox2);
    ComboBox_ruler = new QComboBox(GroupBox2);
    ComboBox_ruler->setObjectName(QStringLiteral("ComboBox_ruler"));
    ComboBox_ruler->addItems({LanguageText(text::k5MeterLine), LanguageText(text::k10MeterLine)});
    ComboBox_ruler->setCurrentIndex(0);
    Label_ruler2 = new QLabel(LanguageText(text::kPosition), GroupBox2);
    SpeedButton_rulerUP = Arrow("SpeedButton_rulerUP", Qt::UpArrow);
    SpeedButton_rulerDOWN = Arrow("SpeedButton_rulerDOWN", Qt::DownArrow);
    SpeedButton1_ruleColor = new QPushButton(LanguageText(text::kColor), GroupBox2);
    connect(CheckBox_ruler, &QCheckBox::clicked, this, &TFrame_Panel1::CheckBox_rulerClick);
    connect(SpeedButton_rulerUP, &QToolButton::clicked, this, [this] { MoveRuler(-1); });
    connect(SpeedButton_rulerDOWN, &QToolButton::clicked, this, [this] { MoveRuler(1); });
    connect(SpeedButton1_ruleColor, &QPushButton::clicked, this,
            &TFrame_Panel1::SpeedButton1_ruleColorClick);

    auto* layout = new QVBoxLayout(GroupBox2);
    layout->addWidget(CheckBox_ruler);
    layout->addLayout(Row({Label_ruler_line, ComboBox_ruler}));
    layout->addLayout(
        Row({Label_ruler2, SpeedButton_rulerUP, SpeedButton_rulerDOWN, SpeedButton1_ruleColor}));
    return GroupBox2;
}

QWidget* TFrame_Panel1::BuildOrientation() {
    auto* box = new QWidget(Body());
    RadioButton_rote0 = new QRadioButton(LanguageText(text::kNormal), box);
    RadioButton_rote1 = new QRadioButton(LanguageText(text::kFlipVertically), box);
    RadioButton_rote2 = new QRadioButton(LanguageText(text::kMirrorHorizontally), box);
    auto* group = new QButtonGroup(box);
    for (QRadioButton* r : {RadioButton_rote0, RadioButton_rote1, RadioButton_rote2}) {
        group->addButton(r);
        connect(r, &QRadioButton::clicked, this, &TFrame_Panel1::RadioButton_roteClick);
    }
    Label1_ts = WrappingLabel(LanguageText(text::kTurningThePictureUsesMoreCPU), box);
    CheckBox_autoRecord = new QCheckBox(LanguageText(text::kRecordWhenTheProgramStarts), box);
    CheckBox_autoRecord->setObjectName(QStringLiteral("CheckBox_autoRecord"));

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* radios = new QGridLayout;
    radios->addWidget(RadioButton_rote0, 0, 0);
    radios->addWidget(RadioButton_rote1, 0, 1);
    radios->addWidget(RadioButton_rote2, 1, 0, 1, 2);
    layout->addLayout(radios);
    layout->addWidget(Label1_ts);
    layout->addWidget(CheckBox_autoRecord);
    return box;
}

void TFrame_Panel1::MoveCaption(int dx, int dy) {
    const QSize text = camera ? camera->view().CaptionSize() : QSize();
    if (text.isEmpty()) return;
    const QSize picture = camera->view().FrameSize();
    CDataClass& s = *camera->settings;
    const int step = CSpinEdit3->value();
    StoreLive(s.captionX, int32_t(ClampedPosition(Live(s.captionX) + dx * step, picture.width(),
                                                  text.width())));
    StoreLive(s.captionY, int32_t(ClampedPosition(Live(s.captionY) + dy * step, picture.height(),
                                                  text.height())));
}

void TFrame_Panel1::MoveTime(int dx, int dy) {
    const QSize text = camera ? camera->view().TimeSize() : QSize();
    if (text.isEmpty()) return;
    const QSize picture = camera->view().FrameSize();
    CDataClass& s = *camera->settings;
    const int step = CSpinEdit3->value();
    StoreLive(s.timeX,
              int32_t(ClampedPosition(Live(s.timeX) + dx * step, picture.width(), text.width())));
    StoreLive(s.timeY,
              int32_t(ClampedPosition(Live(s.timeY) + dy * step, picture.height(), text.height())));
}

void TFrame_Panel1::MoveRuler(int direction) {
    if (!camera) return;
    // No limit here: the frame path moves a row outside the picture back to its default.
    LiveNumber<int32_t>& row = ComboBox_ruler->currentIndex() == 0 ? camera->settings->ruler5Row
                                                                   : camera->settings->ruler10Row;
    StoreLive(row, int32_t(Live(row) + direction * CSpinEdit3->value()));
}

void TFrame_Panel1::SpeedButton1_ruleColorClick() {
    if (!camera) return;
    LiveNumber<Colour3>& stored = ComboBox_ruler->currentIndex() == 0
                                      ? camera->settings->ruler5Colour
                                      : camera->settings->ruler10Colour;
    const Colour3 bgr = Live(stored);
    QColor colour(bgr.c2, bgr.c1, bgr.c0);
    if (!dialogs.colour(this, &colour)) return;
    StoreLive(stored,
              Colour3{uint8_t(colour.blue()), uint8_t(colour.green()), uint8_t(colour.red())});
}

void TFrame_Panel1::SpeedButton14Click() {
    if (!camera) return;
    camera->settings->caption = Edit1->text();
    camera->view().RefreshCaption();
}

bool TFrame_Panel1::ChooseFont(LogFontW* chosen, Colour3* colour) {
    // The dialog starts from what is drawn now: a change of size alone keeps face and colour.
    FontDialog1Font = CAutoFont::ToQFont(*chosen);
    FontDialog1Colour = QColor(colour->c0, colour->c1, colour->c2);
    if (!dialogs.font(this, &FontDialog1Font, &FontDialog1Colour)) return false;
    *chosen = CAutoFont::FromQFont(FontDialog1Font);
    *colour = {uint8_t(FontDialog1Colour.red()), uint8_t(FontDialog1Colour.green()),
               uint8_t(FontDialog1Colour.blue())};
    return true;
}

void TFrame_Panel1::SpeedButton12Click() {
    if (!camera) return;
    LogFontW font = camera->settings->captionFont;
    Colour3 rgb = Live(camera->settings->captionColour);
    if (!ChooseFont(&font, &rgb)) return;
    camera->settings->captionFont = font;
    camera->view().RefreshCaptionFont(rgb);
}

void TFrame_Panel1::SpeedButton_TimerFontClick() {
    if (!camera) return;
    LogFontW font = camera->settings->timeFont;
    Colour3 rgb = Live(camera->settings->timeColour);
    if (!ChooseFont(&font, &rgb)) return;
    camera->settings->timeFont = font;
    camera->view().RefreshTimeFont(rgb);
}

void TFrame_Panel1::EnableTimeControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             Label_timer1, Label_timer2, ComboBox_TimerFormat, SpeedButton_TimerLeft,
             SpeedButton_TimerUp, SpeedButton_TimerDown, SpeedButton_TimerRight,
             SpeedButton_TimerFont})
        w->setEnabled(enabled);
}

void TFrame_Panel1::CheckBox_timerClick() {
    if (!camera) return;
    StoreLive(camera->settings->showTime, uint8_t(CheckBox_timer->isChecked()));
    EnableTimeControls(CheckBox_timer->isChecked());
}

void TFrame_Panel1::ComboBox_TimerFormatCloseUp() {
    if (!camera || ComboBox_TimerFormat->currentIndex() < 0) return;
    StoreLive(camera->settings->timeFormat, int32_t(ComboBox_TimerFormat->currentIndex()));
}

void TFrame_Panel1::CheckBox_rulerClick() {
    if (!camera) return;
    StoreLive(camera->settings->rulerShow, uint8_t(CheckBox_ruler->isChecked()));
}

void TFrame_Panel1::RadioButton_roteClick() {
    if (!camera) return;
    const QRadioButton* radios[] = {RadioButton_rote0, RadioButton_rote1, RadioButton_rote2};
    for (int i = 0; i < 3; ++i)
        if (radios[i]->isChecked()) StoreLive(camera->settings->orientation, int32_t(i));
}

void TFrame_Panel1::LoadFromCamera() {
    if (!camera) return;
    CDataClass& s = *camera->settings;
    Edit1->setText(s.caption);
    // A format the list does not have shows, and is saved as, the first one.
    const int format = Live(s.timeFormat);
    ComboBox_TimerFormat->setCurrentIndex(format >= 0 && format < 4 ? format : 0);
    CheckBox_timer->setChecked(Live(s.showTime));
    EnableTimeControls(CheckBox_timer->isChecked());
    CheckBox_autoRecord->setChecked(Live(s.autoRecord));
    CheckBox_ruler->setChecked(Live(s.rulerShow));
    QRadioButton* radios[] = {RadioButton_rote0, RadioButton_rote1, RadioButton_rote2};
    const int orientation = Live(s.orientation);
    if (orientation >= 0 && orientation < 3) radios[orientation]->setChecked(true);
}

void TFrame_Panel1::SaveToCamera() {
    if (!camera) return;
    camera->view().SetRegionTestMode(false);
    camera->view().ClearPreviewTarget();
    CDataClass& s = *camera->settings;
    s.caption = Edit1->text();
    camera->view().RefreshCaption();
    StoreLive(s.timeFormat, int32_t(ComboBox_TimerFormat->currentIndex()));
    StoreLive(s.showTime, uint8_t(CheckBox_timer->isChecked()));
    StoreLive(s.autoRecord, uint8_t(CheckBox_autoRecord->isChecked()));
    StoreLive(s.rulerShow, uint8_t(CheckBox_ruler->isChecked()));
    RadioButton_roteClick();
}

void TFrame_Panel1::EnableControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton14,
                                                      SpeedButton12,
                                                      SpeedButton16,
                                                      SpeedButton15,
                                                      SpeedButton17,
                                                      SpeedButton18,
                                                      CSpinEdit3,
                                                      Edit1,
                                                      Label9,
                                                      Label12,
                                                      Label10,
                                                      CheckBox_autoRecord,
                                                      CheckBox_ruler,
                                                      RadioButton_rote0,
                                                      RadioButton_rote1,
                                                      RadioButton_rote2,
                                                      CheckBox_timer,
                                                      Label_timer1,
                                                      Label_timer2,
                                                      ComboBox_TimerFormat,
                                                      SpeedButton_TimerLeft,
                                                      SpeedButton_TimerUp,
                                                      SpeedButton_TimerDown,
                                                      SpeedButton_TimerRight,
                                                      SpeedButton_TimerFont,
                                                      ComboBox_ruler,
                                                      SpeedButton_rulerUP,
                                                      SpeedButton_rulerDOWN,
                                                      SpeedButton1_ruleColor})
        w->setEnabled(enabled);
}

}  // namespace trelvix
