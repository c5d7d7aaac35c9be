#include "browser/status/StatusArea.h"

#include "browser/status/SizeGrip.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

StatusArea::StatusArea(QWidget *parent)
    : QStatusBar(parent), m_panel(new QLabel(this)), m_gauge(new QProgressBar(this)), m_lock(new QLabel(this)),
      m_grip(new SizeGrip(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);

    m_panel->setFixedWidth(250);
    m_panel->setTextFormat(Qt::PlainText);
    addWidget(m_panel);

    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    m_gauge->setFixedSize(150, 12);
    m_gauge->setStyleSheet(QStringLiteral("QProgressBar { border: none; background: palette(button); }"
                                          "QProgressBar::chunk { background: rgb(1, 58, 116); }"));
    addPermanentWidget(m_gauge);

    m_lock->setObjectName(QStringLiteral("imgLock"));
    m_lock->setFixedSize(17, 17);
    m_lock->setPixmap(QPixmap(QStringLiteral(":/icons/lock.png")));
    m_lock->hide();
    addPermanentWidget(m_lock);

    m_grip->setObjectName(QStringLiteral("imgGrip"));
    addPermanentWidget(m_grip);
}

QString StatusArea::panelText() const { return m_panel->text(); }
void StatusArea::setPanelText(const QString &text) { m_panel->setText(text); }
int StatusArea::gauge() const { return m_gauge->value(); }
void StatusArea::setGauge(int percent) { m_gauge->setValue(std::clamp(percent, 0, 100)); }
bool StatusArea::isLockShown() const { return !m_lock->isHidden(); }
void StatusArea::setLockShown(bool shown) { m_lock->setVisible(shown); }
