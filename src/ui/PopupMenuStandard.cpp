#include "ui/PopupMenuStandard.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

PopupMenuStandard::PopupMenuStandard(QWidget *parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("PopupMenuStandard"));
    const auto add = [this](Tag tag, const QString &caption) {
        QAction *action = addAction(caption);
        action->setData(static_cast<int>(tag));
        connect(action, &QAction::triggered, this, [this, tag] { run(tag); });
    };
    add(Cut, QStringLiteral("Cu&t"));
    add(Copy, QStringLiteral("&Copy"));
    add(Paste, QStringLiteral("&Paste"));
    add(Delete, QStringLiteral("&Delete"));
    add(SelectAll, QStringLiteral("Select &All"));
}

void PopupMenuStandard::attach(QComboBox *combo)
{
    QLineEdit *edit = combo ? combo->lineEdit() : nullptr;
    if (!edit)
        return;
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this,
            [this, combo, edit](const QPoint &pos) { popupOn(combo, edit->mapToGlobal(pos)); });
}

void PopupMenuStandard::popupOn(QComboBox *combo, const QPoint &globalPos)
{
    PopupMenuStandardPopup(combo);
    popup(globalPos);
}

QAction *PopupMenuStandard::entry(Tag tag) const
{
    for (QAction *action : actions()) {
        if (action->data().toInt() == tag)
            return action;
    }
    return nullptr;
}

void PopupMenuStandard::PopupMenuStandardPopup(QComboBox *combo)
{
    m_combo = combo;
    if (!combo || !combo->lineEdit())
        return;
    const bool selected = !combo->lineEdit()->selectedText().isEmpty();
    entry(Cut)->setEnabled(selected);
    entry(Copy)->setEnabled(selected);
    entry(Paste)->setEnabled(true);
    entry(Delete)->setEnabled(selected);
    entry(SelectAll)->setEnabled(true);
}

void PopupMenuStandard::run(Tag tag)
{
    QLineEdit *edit = m_combo ? m_combo->lineEdit() : nullptr;
    if (!edit)
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (tag) {
    case Cut:
        if (!edit->hasSelectedText())
            break;
        clipboard->setText(edit->selectedText());
        edit->insert(QString());
        break;
    case Copy:
        if (!edit->hasSelectedText())
            break;
        clipboard->setText(edit->selectedText());
        break;
    case Paste:
        edit->insert(clipboard->text());
        break;
    case Delete:
        edit->insert(QString());
        break;
    case SelectAll:
        edit->selectAll();
        break;
    }
}
