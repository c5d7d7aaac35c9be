#include "testkit/memorypage/MemoryPageFixture.h"

#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryPageBuilder.h"

QString MemoryPageFixture::name() const
{
    return QStringLiteral("memory page");
}

std::shared_ptr<PageDocument> MemoryPageFixture::load(const QString &mainPage, const QMap<QString, QString> &subPages)
{
    return MemoryPageBuilder::build(mainPage, QUrl(QStringLiteral("http://memory.test/index.html")), subPages);
}
