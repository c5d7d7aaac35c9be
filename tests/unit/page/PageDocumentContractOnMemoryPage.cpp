#include "testkit/PageDocumentContract.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryPageFixture.h"

// The page document contract, run against the in-memory page.
class PageDocumentContractOnMemoryPage : public PageDocumentContract
{
    Q_OBJECT

public:
    PageDocumentContractOnMemoryPage() : PageDocumentContract(std::make_unique<MemoryPageFixture>()) {}
};

KESTREL_TEST(PageDocumentContractOnMemoryPage)
#include "PageDocumentContractOnMemoryPage.moc"
