#include "browser/engine/PagePropertiesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace {
QString orUnknown(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("Not available") : text;
}
}

PagePropertiesDialog::PagePropertiesDialog(const PageProperties &properties, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Properties"));
    auto *form = new QFormLayout;
    const auto addRow = [this, form](const QString &label, const QString &text) {
        auto *value = new QLabel(orUnknown(text), this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        // Page text shows as it is, never as markup.
        value->setTextFormat(Qt::PlainText);
        form->addRow(label, value);
    };
    addRow(QStringLiteral("Title:"), properties.title);
    addRow(QStringLiteral("Address:"), properties.address);
    addRow(QStringLiteral("Type:"), properties.type);
    addRow(QStringLiteral("Size:"), properties.size < 0 ? QString() : QLocale().formattedDataSize(properties.size));
    addRow(QStringLiteral("Modified:"), properties.modified);
    addRow(QStringLiteral("Visited:"), properties.visited.isValid()
                                           ? QLocale().toString(properties.visited, QLocale::LongFormat)
                                           : QString());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
