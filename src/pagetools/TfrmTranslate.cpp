#include "pagetools/TfrmTranslate.h"

#include "pagetools/TranslatePanelPage.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

const QString TfrmTranslate::PanelAddress = QStringLiteral("qrc:/pages/translate.html");

TfrmTranslate::TfrmTranslate(CommandRegistry &commands, AddressBoxText addressBoxText,
                             NavigateActiveBrowser navigateActiveBrowser, QWidget *mainWindow)
    : QFrame(mainWindow, Qt::Tool | Qt::FramelessWindowHint), m_addressBoxText(std::move(addressBoxText)),
      m_navigateActiveBrowser(std::move(navigateActiveBrowser)), m_mainWindow(mainWindow)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setFixedSize(ClientWidth + 2, ClientHeight + 2);

    commands.add(CommandIds::Translate, QStringLiteral("Translate Language"),
                 QStringLiteral("Translate this page into another language"), QKeySequence(),
                 [this] { tbTranslateClick(); });
}

void TfrmTranslate::LoadPanel()
{
    if (m_view)
        return;
    // An off-the-record profile of its own: none of the tabs' scripts reach the panel.
    m_profile = new QWebEngineProfile(this);
    m_view = new QWebEngineView;
    m_view->setFixedSize(ClientWidth, ClientHeight);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    auto *page = new TranslatePanelPage(
        m_profile, [this](const QUrl &url) { return WebBrowser1BeforeNavigate2(url); }, m_view);
    QWebEngineSettings *settings = page->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    m_view->setPage(page);
    layout()->addWidget(m_view);
    m_navigation.setPass();
    m_view->load(QUrl(PanelAddress));
}

// The page goes before the profile it runs in.
TfrmTranslate::~TfrmTranslate()
{
    delete m_view;
}

void TfrmTranslate::tbTranslateClick()
{
    if (m_mainWindow) {
        for (QToolButton *button : m_mainWindow->findChildren<QToolButton *>()) {
            const QAction *action = button->defaultAction();
            if (button->isVisible() && action && action->objectName() == CommandIds::Translate) {
                ShowAt(button->mapToGlobal(QPoint(0, button->height())));
                return;
            }
        }
        const auto *window = qobject_cast<QMainWindow *>(m_mainWindow);
        const QWidget *content = window && window->centralWidget() ? window->centralWidget() : m_mainWindow;
        ShowAt(content->mapToGlobal(QPoint(0, 0)));
        return;
    }
    ShowAt(QPoint(0, 0));
}

void TfrmTranslate::ShowAt(const QPoint &anchor)
{
    LoadPanel();
    move(anchor.x() + 2, anchor.y());
    show();
    raise();
    activateWindow();
    m_view->setFocus();
}

bool TfrmTranslate::event(QEvent *event)
{
    // Clicking anywhere else closes the panel like a drop-down.
    if (event->type() == QEvent::WindowDeactivate)
        hide();
    return QFrame::event(event);
}

bool TfrmTranslate::WebBrowser1BeforeNavigate2(const QUrl &url)
{
    const std::optional<QString> address =
        m_navigation.BeforeNavigate(url.toString(), m_addressBoxText ? m_addressBoxText() : QString());
    if (!address)
        return true;
    if (m_navigateActiveBrowser)
        m_navigateActiveBrowser(*address);
    return false;
}
