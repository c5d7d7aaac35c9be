#pragma once

#include "testkit/PageFixture.h"

// Loads contract pages into the in-memory page, the main page at http://memory.test/index.html
// and its sub pages beside it.
class MemoryPageFixture final : public PageFixture
{
public:
    QString name() const override;
    std::shared_ptr<PageDocument> load(const QString &mainPage, const QMap<QString, QString> &subPages) override;
};
