#include "testkit/EngineFixture.h"
#include "testkit/PageScript.h"

#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "testkit/WaitUntil.h"


namespace {
constexpr int LoadTimeoutMs = 15000;
}

EngineFixture::EngineFixture()
{
    // Showing the first view wakes the engine, which has its say on the console: before any test.
    view();
}
EngineFixture::~EngineFixture() = default;

QString EngineFixture::name() const
{
    return QStringLiteral("engine");
}

TKestrelWB *EngineFixture::view()
{
    if (!m_view) {
        m_view = std::make_unique<TKestrelWB>();
        m_view->resize(800, 600);
        m_view->show();
    }
    return m_view.get();
}

std::shared_ptr<PageDocument> EngineFixture::load(const QString &mainPage, const QMap<QString, QString> &subPages)
{
    // A fresh folder per load, so that no page is ever taken for an earlier one; the main page
    // is the folder itself, leaving every file name to the sub pages.
    const QString folder = QStringLiteral("/load%1/").arg(++m_loads);
    m_server.serve(folder, mainPage.toUtf8());
    for (auto it = subPages.cbegin(); it != subPages.cend(); ++it)
        m_server.serve(folder + it.key(), it.value().toUtf8());
    return open(m_server.url(folder));
}

std::shared_ptr<PageDocument> EngineFixture::open(const QUrl &url)
{
    TKestrelWB *browser = view();
    bool complete = false;
    const QMetaObject::Connection connection = QObject::connect(
        browser, &TKestrelWB::DocumentComplete, browser,
        [&complete, browser](TKestrelWB *, BrowserFrame frame, const QString &) {
            if (frame == browser->Application())
                complete = true;
        });
    browser->Navigate(url.toString());
    const bool loaded = waitUntil([&complete] { return complete; }, LoadTimeoutMs);
    QObject::disconnect(connection);
    return loaded ? browser->Document() : nullptr;
}

QVariant EngineFixture::runPageScript(const QString &script, quint32 world)
{
    return ::runPageScript(view(), script, world, LoadTimeoutMs);
}
