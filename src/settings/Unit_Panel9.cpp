#include "settings/Unit_Panel9.h"

#include <QGridLayout>
#include <QHash>

#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

TFrame_Panel9::TFrame_Panel9(QWidget* owner, int index)
    : TFrame_PanelBase(owner, index, text::kExcludedDevices) {
    setObjectName(QStringLiteral("TFrame_Panel9"));
    QWidget* b = Body();
    Label3 = new QLabel(LanguageText(text::kSystemDevices), b);
    Label4 = WrappingLabel(LanguageText(text::kCheckTheDevicesNotToUse), b);
    QPalette red = Label4->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label4->setPalette(red);
    CheckListBox1 = new QListWidget(b);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    Label1 = new QLabel(LanguageText(text::kDeviceID), b);
    Label2 = new QLabel(b);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long identifier must not widen the page; it shows whole as the tip.
    Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    BitBtn2 = new QPushButton(LanguageText(text::kOK505), b);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setDefault(true);

    NetCams = new TNetCamEditor(b);
    FillDeviceList();
    connect(NetCams, &TNetCamEditor::camerasChanged, this, &TFrame_Panel9::FillDeviceList);
    connect(CheckListBox1, &QListWidget::itemClicked, this, &TFrame_Panel9::CheckListBox1Click);
    connect(CheckListBox1, &QListWidget::currentRowChanged, this,
            &TFrame_Panel9::CheckListBox1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrame_Panel9::BitBtn2Click);

    auto* layout = new QGridLayout(b);
    layout->setContentsMargins(16, 4, 16, 8);
    layout->addWidget(Label3, 0, 0, 1, 2);
    layout->addWidget(Label4, 1, 0, 1, 2);
    layout->addWidget(CheckListBox1, 2, 0, 1, 2);
    layout->addWidget(Label1, 3, 0);
    layout->addWidget(Label2, 3, 1);
    layout->addWidget(NetCams, 4, 0, 1, 2);
    layout->addWidget(BitBtn2, 5, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
}

void TFrame_Panel9::FillDeviceList() {
    QHash<QString, bool> marks;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        marks[CheckListBox1->item(i)->data(Qt::UserRole).toString()] =
            CheckListBox1->item(i)->checkState() == Qt::Checked;
    CheckListBox1->clear();
    if (!gOption) return;
    for (qsizetype i = 0; i < gOption->allDeviceIds.size(); ++i) {
        const QString& id = gOption->allDeviceIds[i];
        const QString name = gOption->allDeviceNames.value(i);
        auto* item =
            new QListWidgetItem(name.isEmpty() ? MaskCredentials(id) : name, CheckListBox1);
        item->setData(Qt::UserRole, id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(marks.value(id, gOption->IsExcluded(id)) ? Qt::Checked : Qt::Unchecked);
    }
    CheckListBox1Click();
}

void TFrame_Panel9::CheckListBox1Click() {
    Label2->clear();
    Label2->setToolTip(QString());
    const QListWidgetItem* item = CheckListBox1->currentItem();
    if (!item) return;
    Label2->setText(MaskCredentials(item->data(Qt::UserRole).toString()));
    Label2->setToolTip(Label2->text());
}

void TFrame_Panel9::BitBtn2Click() {
    ApplyMarks();
    emit closeRequested();
}

void TFrame_Panel9::ApplyMarks() {
    if (gOption) {
        QList<bool> marks;
        for (int i = 0; i < CheckListBox1->count(); ++i)
            marks << (CheckListBox1->item(i)->checkState() == Qt::Checked);
        // A camera added, changed or removed makes the grid be built anew as well.
        gOption->deviceListChanged = gOption->ApplyExclusionMarks(marks) || NetCams->changed();
        // On disk at once; the rebuild that follows reads it back.
        if (gOption->deviceListChanged) gOption->SaveExcludedDevices();
    }
}

}  // namespace trelvix
