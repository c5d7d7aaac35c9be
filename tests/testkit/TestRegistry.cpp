#include "testkit/TestRegistry.h"

#include <QTest>
#include <cstdio>
#include <cstring>
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
    // "--class Name" runs one registered class; the remaining arguments go to Qt Test.
    const char *only = nullptr;
    std::vector<char *> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--class") == 0 && i + 1 < argc)
            only = argv[++i];
        else
            arguments.push_back(argv[i]);
    }
    int failures = 0;
    int ran = 0;
    for (auto &[name, factory] : registry()) {
        if (only && std::strcmp(only, name) != 0)
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
        ++ran;
    }
    if (only && ran == 0) {
        std::fprintf(stderr, "no registered test class named %s\n", only);
        return 1;
    }
    return failures;
}
