#include "search/TfrmUpdateSetup.h"

#include "browser/status/BusyAnimation.h"
#include "ui/CentreOnDesktop.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmUpdateSetup::TfrmUpdateSetup(const SettingsStore &settings, Prompter &prompter, const QString &dataFolder,
                                 QWidget *parent)
    : QDialog(parent, Qt::Tool), m_update(settings, prompter, dataFolder), m_animation(new BusyAnimation(nullptr, this)),
      m_gauge(new QProgressBar(this)), m_status(new QLabel(this)), m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Update Categories"));
    setFixedSize(294, 153);
    m_animation->open(QStringLiteral(":/animation/WORLD.gif"));
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_animation, 0, Qt::AlignHCenter);
    layout->addWidget(m_gauge);
    layout->addWidget(m_status);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, this, &TfrmUpdateSetup::reject);
    connect(&m_update, &SearchListUpdate::percentChanged, m_gauge, &QProgressBar::setValue);
    connect(&m_update, &SearchListUpdate::statusChanged, m_status, &QLabel::setText);
    connect(&m_update, &SearchListUpdate::finished, this, &TfrmUpdateSetup::updateFinished);
}

void TfrmUpdateSetup::run(const SettingsStore &settings, Prompter &prompter, const QString &dataFolder, QWidget *parent)
{
    TfrmUpdateSetup window(settings, prompter, dataFolder, parent);
    window.exec();
}

void TfrmUpdateSetup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started || event->spontaneous())
        return;
    m_started = true;
    centreOnDesktop(this);
    m_animation->start();
    // Started from the event loop, so a quick failure closes a window that is fully shown.
    QMetaObject::invokeMethod(&m_update, &SearchListUpdate::start, Qt::QueuedConnection);
}

void TfrmUpdateSetup::hideEvent(QHideEvent *event)
{
    m_animation->stop();
    m_gauge->setValue(0);
    QDialog::hideEvent(event);
}

void TfrmUpdateSetup::reject()
{
    if (m_over) {
        QDialog::reject();
        return;
    }
    // The update's end closes the window.
    m_update.cancel();
}

void TfrmUpdateSetup::updateFinished()
{
    m_over = true;
    m_animation->stop();
    done(QDialog::Accepted);
}
