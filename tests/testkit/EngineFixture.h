#pragma once

#include "testkit/LoopbackServer.h"
#include "testkit/PageFixture.h"

#include <QUrl>
#include <QVariant>
#include <memory>

class TKestrelWB;

// Pages on the real engine: served by a loopback server, shown in one browser view that the
// fixture keeps for all its loads, each load waiting for the top-level DocumentComplete.
class EngineFixture : public PageFixture
{
public:
    EngineFixture();
    ~EngineFixture() override;

    QString name() const override;
    // Serves the pages under a folder of their own and opens the main page.
    std::shared_ptr<PageDocument> load(const QString &mainPage, const QMap<QString, QString> &subPages = {}) override;

    // Opens an address and waits until the page completed; the document, or null.
    std::shared_ptr<PageDocument> open(const QUrl &url);

    // Runs a script in the top-level frame and gives its value; by default in the page's own
    // world, as one of its scripts would.
    QVariant runPageScript(const QString &script, quint32 world = 0);

    LoopbackServer &server() { return m_server; }
    TKestrelWB *view();

private:
    LoopbackServer m_server;
    std::unique_ptr<TKestrelWB> m_view;
    int m_loads = 0;
};
