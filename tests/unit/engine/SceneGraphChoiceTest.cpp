#include "browser/engine/SceneGraphChoice.h"
#include "testkit/TestRegistry.h"

#include <QTest>

// Which GL renderers are software rasterizers, where the views draw in software instead.
class SceneGraphChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void softwareRenderersAreKnownByName_data()
    {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<bool>("software");
        QTest::newRow("llvmpipe") << QStringLiteral("llvmpipe (LLVM 15.0.6, 256 bits)") << true;
        QTest::newRow("softpipe") << QStringLiteral("softpipe") << true;
        QTest::newRow("swrast") << QStringLiteral("Mesa DRI swrast") << true;
        QTest::newRow("classic") << QStringLiteral("Software Rasterizer") << true;
        QTest::newRow("intel") << QStringLiteral("Mesa Intel(R) UHD Graphics 620 (KBL GT2)") << false;
        QTest::newRow("amd") << QStringLiteral("AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)") << false;
        QTest::newRow("nvidia") << QStringLiteral("NVIDIA GeForce GTX 1650/PCIe/SSE2") << false;
        QTest::newRow("virgl") << QStringLiteral("virgl (AMD Radeon)") << false;
    }
    void softwareRenderersAreKnownByName()
    {
        QFETCH(QString, renderer);
        QFETCH(bool, software);
        QCOMPARE(SceneGraphChoice::isSoftwareRenderer(renderer), software);
    }
};

KESTREL_TEST(SceneGraphChoiceTest)
#include "SceneGraphChoiceTest.moc"
