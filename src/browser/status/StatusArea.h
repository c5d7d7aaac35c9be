#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;
class SizeGrip;

// The status area at the foot of the main window: the status bar's one 250-pixel panel with
// the active page's status text, the load gauge, the lock shown for secure pages and the
// size grip.
class StatusArea : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusArea(QWidget *parent = nullptr);

    QString panelText() const;
    void setPanelText(const QString &text);
    int gauge() const;
    // Shows a percentage; values outside 0..100 are held at the nearer end.
    void setGauge(int percent);
    bool isLockShown() const;
    void setLockShown(bool shown);

    QLabel *panel() const { return m_panel; }
    QProgressBar *Gauge1() const { return m_gauge; }
    QLabel *imgLock() const { return m_lock; }
    SizeGrip *imgGrip() const { return m_grip; }

private:
    QLabel *m_panel;
    QProgressBar *m_gauge;
    QLabel *m_lock;
    SizeGrip *m_grip;
};
