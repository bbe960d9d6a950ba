#include "views/DeviceProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "capture/ImageParameters.h"
#include "capture/Usbcamera.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

// The picture controls carry the program's own names; others keep the driver's.
QString ControlName(const CameraControl& c) {
    constexpr int kNames[kImageParameterCount] = {
        text::kBrightness, text::kContrast,  text::kSaturation,
        text::kHue,        text::kSharpness, text::kGamma,
    };
    for (int i = 0; i < kImageParameterCount; ++i)
        if (ImageParameterControlId(kImageParameters[i]) == c.id) {
            const QString own = LanguageText(kNames[i]);
            if (!own.isEmpty()) return own;
        }
    return c.name;
}

// Too many controls for the screen scroll instead of growing the window past it.
constexpr int kMaxVisibleHeight = 560;

}  // namespace

TDeviceProperties::TDeviceProperties(QWidget* parent, CameraControls* controls)
    : QDialog(parent), controls_(controls) {
    setObjectName(QStringLiteral("TDeviceProperties"));
    setWindowTitle(LanguageText(text::kDeviceProperties30755));
    auto* body = new QWidget;
    auto* grid = new QGridLayout(body);
    grid->setHorizontalSpacing(10);
    const std::vector<CameraControl> list =
        controls ? controls->List() : std::vector<CameraControl>{};
    for (const CameraControl& c : list) {
        const int r = int(rows.size());
        QLabel* valueLabel = nullptr;
        QWidget* editor = MakeEditor(c, &valueLabel);
        if (c.kind == CameraControl::Kind::Integer || c.kind == CameraControl::Kind::Menu)
            grid->addWidget(new QLabel(ControlName(c), body), r, 0);
        grid->addWidget(editor, r, 1, 1, valueLabel ? 1 : 2);
        if (valueLabel) grid->addWidget(valueLabel, r, 2);
        rows.push_back({c, editor, valueLabel});
    }
    grid->setColumnStretch(1, 1);
    if (rows.empty()) {
        emptyLabel = new QLabel(LanguageText(text::kThisDeviceOffersNoAdjustableProperties), body);
        emptyLabel->setWordWrap(true);
        grid->addWidget(emptyLabel, 0, 0);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(body->sizeHint().width() + 24);
    scroll->setMinimumHeight(std::min(body->sizeHint().height() + 4, kMaxVisibleHeight));

    defaultsButton = new QPushButton(LanguageText(text::kDefaults), this);
    defaultsButton->setAutoDefault(false);
    defaultsButton->setEnabled(!rows.empty());
    closeButton = new QPushButton(LanguageText(text::kClose), this);
    connect(defaultsButton, &QPushButton::clicked, this, &TDeviceProperties::RestoreDefaults);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultsButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    Refresh();
}

QWidget* TDeviceProperties::MakeEditor(const CameraControl& c, QLabel** valueLabel) {
    const uint32_t id = c.id;
    switch (c.kind) {
        case CameraControl::Kind::Integer: {
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setRange(c.minimum, c.maximum);
            slider->setSingleStep(c.step);
            slider->setPageStep(std::max(c.step, (c.maximum - c.minimum) / 10));
            slider->setMinimumWidth(200);
            auto* label = *valueLabel = new QLabel(this);
            const QFontMetrics m = label->fontMetrics();
            label->setMinimumWidth(std::max(m.horizontalAdvance(QString::number(c.minimum)),
                                            m.horizontalAdvance(QString::number(c.maximum))) +
                                   4);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            connect(slider, &QSlider::valueChanged, this, [this, id](int v) { Changed(id, v); });
            return slider;
        }
        case CameraControl::Kind::Boolean: {
            auto* box = new QCheckBox(ControlName(c), this);
            connect(box, &QCheckBox::toggled, this, [this, id](bool on) { Changed(id, on); });
            return box;
        }
        case CameraControl::Kind::Menu: {
            auto* list = new QComboBox(this);
            for (const auto& [value, text] : c.menu) list->addItem(text, value);
            connect(list, &QComboBox::activated, this,
                    [this, id, list](int i) { Changed(id, list->itemData(i).toInt()); });
            return list;
        }
        case CameraControl::Kind::Button:
            break;
    }
    auto* button = new QPushButton(ControlName(c), this);
    button->setAutoDefault(false);
    // A button control acts on any value written to it.
    connect(button, &QPushButton::clicked, this, [this, id] { Changed(id, 1); });
    return button;
}

void TDeviceProperties::Changed(uint32_t id, int32_t value) {
    if (!controls_) return;
    controls_->Set(id, value);
    Refresh();
}

void TDeviceProperties::ShowValue(Row& row, int32_t value) {
    const QSignalBlocker quiet(row.editor);
    if (auto* slider = qobject_cast<QSlider*>(row.editor)) {
        slider->setValue(value);
        row.valueLabel->setText(QString::number(value));
    } else if (auto* box = qobject_cast<QCheckBox*>(row.editor)) {
        box->setChecked(value != 0);
    } else if (auto* list = qobject_cast<QComboBox*>(row.editor)) {
        list->setCurrentIndex(list->findData(value));
    }
}

void TDeviceProperties::Refresh() {
    if (!controls_) return;
    for (Row& row : rows) {
        if (const auto c = controls_->Query(row.control.id)) {
            row.control.readOnly = c->readOnly;
            row.control.inactive = c->inactive;
        }
        row.editor->setEnabled(!row.control.readOnly && !row.control.inactive);
        if (row.control.kind == CameraControl::Kind::Button) continue;
        if (const auto value = controls_->Get(row.control.id)) ShowValue(row, *value);
    }
}

void TDeviceProperties::RestoreDefaults() {
    if (!controls_) return;
    for (const Row& row : rows)
        if (row.control.kind != CameraControl::Kind::Button && !row.control.readOnly)
            controls_->Set(row.control.id, row.control.defaultValue);
    Refresh();
}

void ShowDevicePropertyPages(UsbCamera* camera, QWidget* parentWindow) {
    if (!camera) return;
    TDeviceProperties pages(parentWindow, camera->device().Controls());
    pages.exec();
}

}  // namespace trelvix
