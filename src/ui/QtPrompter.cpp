#include "ui/QtPrompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QString titleOf(const QString &caption)
{
    return caption.isEmpty() ? QStringLiteral("Kestrel Browser") : caption;
}

std::optional<QString> chosen(const QString &path)
{
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}
}

QtPrompter::QtPrompter(QWidget *parent) : m_parent(parent) {}

void QtPrompter::message(const QString &text, const QString &caption)
{
    QMessageBox::information(m_parent, titleOf(caption), text, QMessageBox::Ok);
}

Prompter::Answer QtPrompter::question(const QString &text, const QString &caption, Buttons buttons)
{
    QMessageBox::StandardButtons choices = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        choices |= QMessageBox::Cancel;
    switch (QMessageBox::question(m_parent, titleOf(caption), text, choices)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::input(const QString &caption, const QString &prompt,
                                         const QString &preset)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, titleOf(caption), prompt, QLineEdit::Normal,
                                               preset, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QString> QtPrompter::openFile(const QString &caption, const QString &filter,
                                            const QString &folder)
{
    return chosen(QFileDialog::getOpenFileName(m_parent, caption, folder, qtFilter(filter)));
}

std::optional<QString> QtPrompter::saveFile(const QString &caption, const QString &filter,
                                            const QString &suggestedPath, const QString &defaultSuffix)
{
    QFileDialog dialog(m_parent, caption, suggestedPath, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<QString> QtPrompter::folder(const QString &caption, const QString &start)
{
    return chosen(QFileDialog::getExistingDirectory(m_parent, caption, start));
}

std::optional<QColor> QtPrompter::colour(const QColor &initial)
{
    const QColor colour = QColorDialog::getColor(initial, m_parent);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

std::optional<QFont> QtPrompter::font(const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

QString QtPrompter::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}
