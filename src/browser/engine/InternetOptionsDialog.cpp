#include "browser/engine/InternetOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineProfile>

InternetOptionsDialog::InternetOptionsDialog(QWebEngineProfile &profile, QWidget *parent)
    : QDialog(parent), m_profile(profile)
{
    setWindowTitle(QStringLiteral("Internet Options"));
    auto *layout = new QVBoxLayout(this);
    const auto addBox = [this, layout](const QString &caption, QWebEngineSettings::WebAttribute attribute) {
        auto *box = new QCheckBox(caption, this);
        box->setChecked(m_profile.settings()->testAttribute(attribute));
        layout->addWidget(box);
        m_boxes.append({box, attribute});
    };
    addBox(QStringLiteral("Run scripts on pages"), QWebEngineSettings::JavascriptEnabled);
    addBox(QStringLiteral("Let scripts open new windows"), QWebEngineSettings::JavascriptCanOpenWindows);
    addBox(QStringLiteral("Let scripts read the clipboard"), QWebEngineSettings::JavascriptCanAccessClipboard);
    addBox(QStringLiteral("Let pages store data on this computer"), QWebEngineSettings::LocalStorageEnabled);
    addBox(QStringLiteral("Smooth scrolling"), QWebEngineSettings::ScrollAnimatorEnabled);

    auto *clearCache = new QPushButton(QStringLiteral("Delete Temporary Files"), this);
    connect(clearCache, &QPushButton::clicked, this, [this, clearCache] {
        m_profile.clearHttpCache();
        clearCache->setEnabled(false);
    });
    layout->addWidget(clearCache);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &InternetOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void InternetOptionsDialog::accept()
{
    for (const auto &[box, attribute] : m_boxes)
        m_profile.settings()->setAttribute(attribute, box->isChecked());
    QDialog::accept();
}
