#include "ui/EditClipboardKeys.h"

#include "ui/TextBoxKeys.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

namespace EditClipboardKeys {

bool isClipboardKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrlAlone = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    return ctrlAlone && (key == Qt::Key_V || key == Qt::Key_C || key == Qt::Key_X);
}

void apply(QLineEdit *edit, int key)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (key == Qt::Key_V) {
        const QMimeData *data = clipboard->mimeData();
        if (data && data->hasText())
            edit->insert(data->text());
    } else if (edit->hasSelectedText()) {
        clipboard->setText(edit->selectedText());
        if (key == Qt::Key_X)
            edit->del();
    }
}

bool claimShortcut(QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!isClipboardKey(key->key(), key->modifiers()))
        return false;
    event->accept();
    return true;
}

bool discardsCharacter(const QKeyEvent &event, QWidget *box)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return true;
    if (!(event.modifiers() & Qt::ControlModifier))
        return false;
    if (isClipboardKey(event.key(), event.modifiers()))
        return true;
    if (TextBoxKeys::keeps(box, event))
        return false;
    return !event.text().isEmpty() || (event.key() >= Qt::Key_Space && event.key() <= Qt::Key_AsciiTilde);
}
}
