#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

// The sponsor timer: while enabled it fires every Seconds with the address to fetch, BaseURL
// with the named ParamList lines joined by "&" as its query. The address is built anew for
// every tick, so BaseURL never collects the parameters of earlier requests.
class TKBAdRotator : public QObject
{
    Q_OBJECT
public:
    explicit TKBAdRotator(QObject *parent = nullptr);

    QString BaseURL;
    // Query parameters of the next requests, each "name=value".
    QStringList ParamList;
    std::function<void(TKBAdRotator *sender, const QString &address)> onRotate;

    int Seconds() const { return m_seconds; }
    void setSeconds(int seconds);
    bool Enabled() const { return m_timer.isActive(); }
    // Enabling starts the interval from now.
    void setEnabled(bool enabled);

    // BaseURL with the parameters appended after "?" (or "&" when it has a query already).
    QString requestAddress() const;

    QTimer &timer() { return m_timer; }
    // Timer tick: stops for good without a BaseURL, else fires onRotate with the address.
    void tick();

private:
    QTimer m_timer;
    int m_seconds = 120;
};
