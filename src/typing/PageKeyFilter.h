#pragma once

#include <QObject>
#include <functional>

class CommandRegistry;
class InPageTypingAids;
class QKeyEvent;
class TKestrelWB;

// The typing aids' application-wide key filter. It sees every key before its receiver and acts
// only on keys for the active browser view's page while that view is not busy: Quick Insert,
// the completion timer, browser commands on their keys, Enter on a link shown in the status
// bar. Expansion on space and the remembered field text follow the page agent's own reports of
// the field's edits (see PageFieldEdits), so those keys simply reach the page.
class PageKeyFilter : public QObject
{
    Q_OBJECT
public:
    struct Operations
    {
        std::function<TKestrelWB *()> activeView;
        std::function<QString()> statusText;
        std::function<void()> newPage;
        std::function<void()> viewSource;
        std::function<void()> fillPersonalInfo;
    };

    PageKeyFilter(InPageTypingAids &aids, CommandRegistry &commands, Operations operations,
                  QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Routes a key for the active view's page; true when the key was taken here and the page
    // must not get it.
    bool routeKey(const QKeyEvent &event);

private:
    bool isForActivePage(QObject *watched) const;
    bool routeControlKey(int key);
    bool routeEnter();

    InPageTypingAids &m_aids;
    CommandRegistry &m_commands;
    Operations m_operations;
};
