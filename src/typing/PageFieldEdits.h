#pragma once

#include <QObject>
#include <functional>

class BrowserControl;
class InPageTypingAids;

// Answers the field edits that browser controls report from their pages with the in-page
// typing aids: the expansion after a typed space, the remembered text after other edits. Only
// a control that may act now (the active view, not busy) gets the aids; the others get an
// answer that changes nothing, so that the page's next report can follow.
class PageFieldEdits : public QObject
{
    Q_OBJECT
public:
    using MayAct = std::function<bool(BrowserControl *control)>;

    PageFieldEdits(InPageTypingAids &aids, MayAct mayAct, QObject *parent = nullptr);

    void watch(BrowserControl *control);
    void answer(BrowserControl *control, const QString &field, bool typedSpace, const QString &value, int caret);

private:
    InPageTypingAids &m_aids;
    MayAct m_mayAct;
};
