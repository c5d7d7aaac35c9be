#pragma once

#include "ui/Prompter.h"

class QWidget;

// The prompter of the running program: Qt's standard dialogs, modal to the given parent
// window. A box without a caption is titled "Kestrel Browser".
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    void message(const QString &text, const QString &caption = QString()) override;
    Answer question(const QString &text, const QString &caption = QString(),
                    Buttons buttons = Buttons::YesNoCancel) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &preset) override;
    std::optional<QString> openFile(const QString &caption, const QString &filter,
                                    const QString &folder = QString()) override;
    std::optional<QString> saveFile(const QString &caption, const QString &filter,
                                    const QString &suggestedPath = QString(),
                                    const QString &defaultSuffix = QString()) override;
    std::optional<QString> folder(const QString &caption, const QString &start = QString()) override;
    std::optional<QColor> colour(const QColor &initial) override;
    std::optional<QFont> font(const QFont &initial) override;

    // A filter in the classic "Description|*.a;*.b|..." form as Qt writes it:
    // "Description (*.a *.b);;...".
    static QString qtFilter(const QString &filter);

private:
    QWidget *m_parent;
};
