// Finds interface texts that a window shows cut: a label, button, group title, list entry or
// column heading narrower than its text, or a window larger than a small desktop.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStringList>
#include <QTreeWidget>
#include <QWidget>

namespace trelvix::test {

// The smallest desktop the windows must fit.
inline constexpr QSize kSmallDesktop(1024, 768);

inline QString Describe(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 %2: \"%3\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text);
}

inline void CheckHeadings(const QTreeWidget* tree, QStringList* cut) {
    const QHeaderView* header = tree->header();
    const QTreeWidgetItem* heading = tree->headerItem();
    for (int c = 0; c < tree->columnCount(); ++c) {
        if (header->isSectionHidden(c) || header->sectionSize(c) == 0) continue;
        const int needed = header->fontMetrics().horizontalAdvance(heading->text(c));
        if (header->sectionSize(c) < needed) *cut << Describe(tree, heading->text(c));
    }
}

inline void CheckEntries(const QListWidget* list, QStringList* cut) {
    const int room = list->viewport()->width();
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        const int icon = item->icon().isNull() ? 0 : list->iconSize().width() + 8;
        if (list->fontMetrics().horizontalAdvance(item->text()) + icon > room)
            *cut << Describe(list, item->text());
    }
}

// A child reaching past its parent's edge is clipped there; scrolled contents may.
inline bool OutsideItsParent(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent || w->isWindow() || parent->objectName() == QLatin1String("qt_scrollarea_viewport"))
        return false;
    return !parent->rect().contains(w->geometry());
}

// Every text `top` shows that does not fit, as "Class objectName: "text"".
inline QStringList CutTexts(QWidget* top) {
    QStringList cut;
    if (top->width() > kSmallDesktop.width() || top->height() > kSmallDesktop.height())
        cut << QStringLiteral("window %1 x %2").arg(top->width()).arg(top->height());
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(top)) continue;
        if (OutsideItsParent(w)) {
            cut << Describe(w, QStringLiteral("outside its parent"));
            continue;
        }
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            const bool fits = l->wordWrap() ? l->height() >= l->heightForWidth(l->width())
                                            : l->width() >= l->sizeHint().width();
            if (!fits) cut << Describe(l, l->text());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            if (b->width() < b->sizeHint().width()) cut << Describe(b, b->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            if (g->width() < g->minimumSizeHint().width()) cut << Describe(g, g->title());
        } else if (auto* c = qobject_cast<QComboBox*>(w); c && c->count() > 0) {
            if (c->width() < c->sizeHint().width()) cut << Describe(c, c->currentText());
        } else if (auto* t = qobject_cast<QTreeWidget*>(w)) {
            CheckHeadings(t, &cut);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            CheckEntries(list, &cut);
        }
    }
    return cut;
}

}  // namespace trelvix::test
