#pragma once

#include "testkit/LoopbackServer.h"
#include "testkit/PageFixture.h"

#include <QUrl>
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

    LoopbackServer &server() { return m_server; }
    TKestrelWB *view();

private:
    LoopbackServer m_server;
    std::unique_ptr<TKestrelWB> m_view;
    int m_loads = 0;
};
