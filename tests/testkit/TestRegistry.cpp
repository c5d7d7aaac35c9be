#include "testkit/TestRegistry.h"

#include <QTest>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<const char *, TestFactory>> &registry()
{
    static std::vector<std::pair<const char *, TestFactory>> tests;
    return tests;
}
}

int registerTest(const char *name, TestFactory factory)
{
    registry().emplace_back(name, std::move(factory));
    return static_cast<int>(registry().size());
}

int runRegisteredTests(int argc, char **argv)
{
    int failures = 0;
    for (auto &[name, factory] : registry()) {
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
