#include "ui/TextBoxKeys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

bool TextBoxKeys::isTextBox(const QWidget *widget)
{
    if (!widget)
        return false;
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget);
}

bool TextBoxKeys::keeps(QWidget *widget, const QKeyEvent &event)
{
    if (!isTextBox(widget))
        return false;
    QKeyEvent override(QEvent::ShortcutOverride, event.key(), event.modifiers(), event.nativeScanCode(),
                       event.nativeVirtualKey(), event.nativeModifiers(), event.text(), event.isAutoRepeat(),
                       event.count());
    override.ignore();
    QCoreApplication::sendEvent(widget, &override);
    return override.isAccepted();
}
