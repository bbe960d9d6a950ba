#include "settings/PageDialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

QIcon Swatch(const QColor& c) {
    QPixmap pm(16, 16);
    pm.fill(c);
    return QIcon(pm);
}

// The overlay's fonts carry their colour, as one dialog: the font chooser with a colour button.
bool ChooseFontAndColour(QWidget* parent, QFont* font, QColor* colour) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QFontDialog::tr("Select Font"));
    auto* chooser = new QFontDialog(*font, &dialog);
    chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    chooser->setWindowFlags(Qt::Widget);
    QColor chosen = *colour;
    auto* colourButton = new QPushButton(LanguageText(text::kTextColor), &dialog);
    colourButton->setIcon(Swatch(chosen));
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor c = QColorDialog::getColor(chosen, &dialog);
        if (!c.isValid()) return;
        chosen = c;
        colourButton->setIcon(Swatch(chosen));
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(colourButton);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(chooser);
    layout->addLayout(row);
    if (dialog.exec() != QDialog::Accepted) return false;
    *font = chooser->currentFont();
    *colour = chosen;
    return true;
}

}  // namespace

PageDialogs PageDialogs::Standard() {
    PageDialogs d;
    d.ask = [](QWidget* parent, const QString& text, const QString& caption) {
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    d.message = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QString(), text);
    };
    d.colour = [](QWidget* parent, QColor* colour) {
        const QColor c = QColorDialog::getColor(*colour, parent);
        if (!c.isValid()) return false;
        *colour = c;
        return true;
    };
    d.font = ChooseFontAndColour;
    d.folder = [](QWidget* parent, const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, title, start);
    };
    d.openFile = [](QWidget* parent, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    };
    return d;
}

}  // namespace trelvix
