#include "testkit/FakeControl.h"

#include "browser/BrowserControlHost.h"

#include <QWidget>

FakeControl::FakeControl(QObject *parent) : BrowserControl(parent), m_widget(new QWidget)
{
    m_widget->setFocusPolicy(Qt::StrongFocus);
}

FakeControl::~FakeControl()
{
    // Once placed, the widget belongs to the view that shows it.
    if (m_widget && !m_widget->parent())
        delete m_widget;
}

QWidget *FakeControl::widget() { return m_widget; }
void FakeControl::navigate(const QUrl &url)
{
    // Busy from the request on, as the engine control is.
    navigations.append(url);
    m_busy = true;
}

void FakeControl::showHtml(const QString &html, const QUrl &baseUrl)
{
    shownHtml = html;
    shownHtmlBase = baseUrl;
}

void FakeControl::goBack() { ++backCalls; }
void FakeControl::goForward() { ++forwardCalls; }
void FakeControl::refresh() { ++refreshCalls; }
void FakeControl::stop() { ++stopCalls; }

void FakeControl::focusPage()
{
    ++focusCalls;
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
}

void FakeControl::applyHostInfoFlags(quint32 flags) { hostInfoFlags = flags; }
void FakeControl::applyDownloadControl(quint32 flags) { downloadControl = flags; }

QVariant FakeControl::execCommandTarget(CommandTarget::Group group, int id, int option, Prompter &)
{
    commandTargetCalls.append({group, id, option});
    return true;
}

void FakeControl::answerFieldEdit(const QString &field, const QString &expected, const QString &value, int caret)
{
    fieldAnswers.append({field, expected, value, caret});
}

bool FakeControl::raiseBeforeNavigate(const QUrl &url, int frame)
{
    return !host() || host()->controlBeforeNavigate(frame, url);
}

BrowserControl *FakeControl::raiseNewWindow(bool &cancel)
{
    cancel = false;
    return host() ? host()->controlNewWindow(cancel) : nullptr;
}

void FakeControl::raiseNavigateComplete(const QUrl &url, int frame)
{
    if (host())
        host()->controlNavigateComplete(frame, url);
}

void FakeControl::raiseDocumentComplete(const QUrl &url, int frame)
{
    if (host())
        host()->controlDocumentComplete(frame, url);
}

void FakeControl::raiseTitleChange(const QString &title)
{
    if (host())
        host()->controlTitleChange(title);
}

void FakeControl::raiseStatusTextChange(const QString &text)
{
    if (host())
        host()->controlStatusTextChange(text);
}

void FakeControl::raiseProgressChange(int progress, int maximum)
{
    if (host())
        host()->controlProgressChange(progress, maximum);
}

void FakeControl::raiseHistoryChange(bool canGoBack, bool canGoForward)
{
    if (host())
        host()->controlHistoryChange(canGoBack, canGoForward);
}

void FakeControl::raiseWindowCloseRequested()
{
    if (host())
        host()->controlWindowCloseRequested();
}

quint32 FakeControl::raiseHostInfoRequest()
{
    return host() ? host()->controlHostInfoFlags() : 0;
}

bool FakeControl::loadPage(const QUrl &url, const QString &title)
{
    if (!raiseBeforeNavigate(url))
        return false;
    m_busy = true;
    m_url = url;
    raiseNavigateComplete(url);
    m_title = title;
    raiseTitleChange(title);
    m_busy = false;
    raiseDocumentComplete(url);
    return true;
}
