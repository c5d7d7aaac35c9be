#include "support/SpellOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

SpellOptionsDialog::SpellOptionsDialog(const SpellOptions &options, QWidget *parent)
    : QDialog(parent), m_options(options)
{
    setWindowTitle(QStringLiteral("Spell Checker Options"));
    setLayout(new QVBoxLayout);
    m_upperCase = addBox(QStringLiteral("Ignore words in &UPPERCASE"), QStringLiteral("upperCase"), options.ignoreUpperCase);
    m_numbers = addBox(QStringLiteral("Ignore words with &numbers"), QStringLiteral("numbers"), options.ignoreNumbers);
    m_html = addBox(QStringLiteral("Ignore &HTML tags"), QStringLiteral("html"), options.ignoreHtml);
    m_internet = addBox(QStringLiteral("Ignore &Internet and file addresses"), QStringLiteral("internet"),
                        options.ignoreInternet);
    m_recheck = addBox(QStringLiteral("&Re-check replaced words"), QStringLiteral("recheck"), options.recheck);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

QCheckBox *SpellOptionsDialog::addBox(const QString &caption, const QString &name, bool checked)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setChecked(checked);
    layout()->addWidget(box);
    return box;
}

SpellOptions SpellOptionsDialog::options() const
{
    SpellOptions options = m_options;
    options.ignoreUpperCase = m_upperCase->isChecked();
    options.ignoreNumbers = m_numbers->isChecked();
    options.ignoreHtml = m_html->isChecked();
    options.ignoreInternet = m_internet->isChecked();
    options.recheck = m_recheck->isChecked();
    return options;
}

std::optional<SpellOptions> SpellOptionsDialog::ask(const SpellOptions &options, QWidget *parent)
{
    SpellOptionsDialog dialog(options, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}
