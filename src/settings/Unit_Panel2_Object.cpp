// The motion page's choice of what counts as motion: the mode, the smallest object and the
// person check, all acting at once so the preview shows them.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "capture/Usbcamera.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "settings/PageRules.h"
#include "settings/Unit_Panel2.h"

namespace trelvix {

QWidget* TFrame_Panel2::BuildObjectControls() {
    auto* box = new QWidget(Body());
    Label_motionMode = new QLabel(LanguageText(text::kDetect), box);
    ComboBox_motionMode = new QComboBox(box);
    ComboBox_motionMode->setObjectName(QStringLiteral("ComboBox_motionMode"));
    ComboBox_motionMode->addItems({LanguageText(text::kLargeChangesArea),
                                   LanguageText(text::kAnythingPersonSizedOrLargerObject)});
    // Long mode names in some languages must not widen the preview's column.
    ComboBox_motionMode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox_motionMode->setMinimumContentsLength(12);
    connect(ComboBox_motionMode, &QComboBox::currentIndexChanged, this,
            &TFrame_Panel2::ComboBox_motionModeChange);
    Label_minSize = WrappingLabel(LanguageText(text::kSmallestObjectOfThePicture), box);
    CSpinEdit_minSize = new QSpinBox(box);
    CSpinEdit_minSize->setObjectName(QStringLiteral("CSpinEdit_minSize"));
    CSpinEdit_minSize->setRange(1, 100);
    connect(CSpinEdit_minSize, &QSpinBox::valueChanged, this,
            &TFrame_Panel2::CSpinEdit_minSizeChange);
    CheckBox_motionPeople = new QCheckBox(LanguageText(text::kOnlyWhenItIsAPerson), box);
    CheckBox_motionPeople->setObjectName(QStringLiteral("CheckBox_motionPeople"));
    connect(CheckBox_motionPeople, &QCheckBox::clicked, this,
            &TFrame_Panel2::CheckBox_motionPeopleClick);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(Label_motionMode);
    modeRow->addWidget(ComboBox_motionMode, 1);
    layout->addLayout(modeRow);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(Label_minSize);
    sizeRow->addWidget(CSpinEdit_minSize);
    sizeRow->addStretch();
    layout->addLayout(sizeRow);
    layout->addWidget(CheckBox_motionPeople);
    return box;
}

void TFrame_Panel2::ComboBox_motionModeChange() {
    if (camera && ComboBox_motionMode->currentIndex() >= 0)
        StoreLive(camera->settings->motionMode, int32_t(ComboBox_motionMode->currentIndex()));
    EnableObjectControls();
}

void TFrame_Panel2::CSpinEdit_minSizeChange() {
    if (camera) StoreLive(camera->settings->motionMinSize, int32_t(CSpinEdit_minSize->value()));
}

void TFrame_Panel2::CheckBox_motionPeopleClick() {
    if (camera)
        StoreLive(camera->settings->motionPeople, uint8_t(CheckBox_motionPeople->isChecked()));
}

void TFrame_Panel2::EnableObjectControls() {
    const bool object =
        ComboBox_motionMode->isEnabled() && ComboBox_motionMode->currentIndex() == kMotionObject;
    Label_minSize->setEnabled(object);
    CSpinEdit_minSize->setEnabled(object);
    // Either mode can wait for a person: the area mode looks for one in the whole region.
    CheckBox_motionPeople->setEnabled(ComboBox_motionMode->isEnabled());
}

}  // namespace trelvix
