#include "sponsor/TfrmHTMLDialog.h"

#include "browser/HostInfoFlags.h"
#include "browser/TKestrelWB.h"
#include "ui/ApplicationMessageHook.h"
#include "ui/CentreOnDesktop.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

TfrmHTMLDialog::TfrmHTMLDialog(OpenInActiveBrowser openInActiveBrowser, QWidget *parent,
                               std::unique_ptr<BrowserControl> control)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      m_openInActiveBrowser(std::move(openInActiveBrowser)), m_browser(new TKestrelWB(this, std::move(control)))
{
    setWindowTitle(QStringLiteral("Kestrel Browser Dialog"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(DefaultWidth, DefaultHeight);
    // Esc closes the window wherever the keyboard is in it; the page never hands its keys on.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QDialog::reject);

    m_browser->setDownloadOptions(DownloadControl::Default);
    m_browser->OnGetHostInfo = [](TKestrelWB *) { return HostInfoFlags::No3DBorder | HostInfoFlags::FlatScrollBar; };
    m_browser->OnBeforeNavigate2 = [this](TKestrelWB *sender, BrowserFrame frame, const QString &address, bool &cancel) {
        beforeNavigate(frame == sender->Application(), address, cancel);
    };
    m_browser->OnNewWindow2 = [this](TKestrelWB *, TKestrelWB *&newView, bool &) { newView = newWindowCatcher(); };
}

void TfrmHTMLDialog::setClientWidth(int width)
{
    resize(width, height());
}

void TfrmHTMLDialog::setClientHeight(int height)
{
    resize(width(), height);
}

void TfrmHTMLDialog::Navigate(const QString &address)
{
    m_browser->Navigate(address);
}

void TfrmHTMLDialog::ShowHtml(const QString &html, const QUrl &origin)
{
    m_browser->ShowHtml(html, origin);
}

void TfrmHTMLDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow() && !m_hooked) {
        m_previousHook = ApplicationMessageHook::current();
        ApplicationMessageHook::set(this);
        m_hooked = true;
    } else if (!isActiveWindow() && m_hooked) {
        ApplicationMessageHook::set(m_previousHook);
        m_hooked = false;
    }
}

void TfrmHTMLDialog::done(int result)
{
    if (m_hooked) {
        ApplicationMessageHook::set(m_previousHook);
        m_hooked = false;
    }
    QDialog::done(result);
}

bool TfrmHTMLDialog::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool altArrow = key->modifiers() == Qt::AltModifier && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right);
        if (altArrow || key->key() == Qt::Key_Back || key->key() == Qt::Key_Forward)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmHTMLDialog::beforeNavigate(bool topLevel, const QString &address, bool &cancel)
{
    // Frames of the page load where they are; the page itself is the first top-level load.
    if (!topLevel)
        return;
    if (!m_pageShown) {
        m_pageShown = true;
        return;
    }
    cancel = true;
    m_openInActiveBrowser(address);
}

TKestrelWB *TfrmHTMLDialog::newWindowCatcher()
{
    // A hidden view takes the new window only to learn its address; it never loads anything.
    if (!m_catcher) {
        m_catcher = new TKestrelWB(this);
        m_catcher->hide();
        m_catcher->OnBeforeNavigate2 = [this](TKestrelWB *, BrowserFrame, const QString &address, bool &cancel) {
            cancel = true;
            if (!address.isEmpty() && QUrl(address) != QUrl(QStringLiteral("about:blank")))
                m_openInActiveBrowser(address);
        };
    }
    return m_catcher;
}

void TfrmHTMLDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnDesktop(this);
}
