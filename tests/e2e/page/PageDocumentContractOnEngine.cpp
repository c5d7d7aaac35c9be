#include "testkit/EngineFixture.h"
#include "testkit/PageDocumentContract.h"
#include "testkit/TestRegistry.h"

// The page document contract, run against the real engine.
class PageDocumentContractOnEngine : public PageDocumentContract
{
    Q_OBJECT

public:
    PageDocumentContractOnEngine() : PageDocumentContract(std::make_unique<EngineFixture>()) {}
};

KESTREL_TEST(PageDocumentContractOnEngine)
#include "PageDocumentContractOnEngine.moc"
