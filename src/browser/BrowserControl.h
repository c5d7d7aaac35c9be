#pragma once

#include "browser/CommandTarget.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <memory>

class BrowserControlHost;
class PageDocument;
class Prompter;
class QWidget;

// The engine behind one browser view. WebEngineControl drives Qt WebEngine; the testkit's
// FakeControl records calls and lets tests raise every report by hand.
class BrowserControl : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void setHost(BrowserControlHost *host) { m_host = host; }
    BrowserControlHost *host() const { return m_host; }

    // The widget that shows the page.
    virtual QWidget *widget() = 0;

    virtual void navigate(const QUrl &url) = 0;
    // Shows HTML held in memory as a page of baseUrl's origin.
    virtual void showHtml(const QString &html, const QUrl &baseUrl) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;

    virtual QString title() const = 0;
    virtual QUrl url() const = 0;
    virtual bool isLoading() const = 0;
    // The top-level document, or null while no page is shown.
    virtual std::shared_ptr<PageDocument> document() = 0;
    // Gives the keyboard to the page.
    virtual void focusPage() = 0;

    // Host-information flags and download-control flags, applied to the engine and frame.
    virtual void applyHostInfoFlags(quint32 flags) = 0;
    virtual void applyDownloadControl(quint32 flags) = 0;

    // Runs a command on the shown page (save as, print, find ...); dialogs it asks for go
    // through the prompter. An invalid value when the command is unknown or did nothing; the
    // zoom commands give their level or range.
    virtual QVariant execCommandTarget(CommandTarget::Group group, int id, int option, Prompter &prompter) = 0;

    // Answers a field edit: the field named as in fieldEdited gets value, with the caret after
    // `caret` characters, if it still holds `expected` (or that with more typed at the caret).
    // Every report is answered, with value equal to expected when nothing is to change.
    virtual void answerFieldEdit(const QString &field, const QString &expected, const QString &value,
                                 int caret) = 0;

signals:
    // The page took the user's edit of a text field: a typed space (typedSpace), or an edit
    // whose result the typing aids remember (delete, cut, paste, a new line in a text area).
    void fieldEdited(const QString &field, bool typedSpace, const QString &value, int caret);

private:
    BrowserControlHost *m_host = nullptr;
};
