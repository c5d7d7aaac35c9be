#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Several Qt Test classes share one executable per area: each registers itself here with
// KESTREL_TEST and the shared main runs them all in turn.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

int registerTest(const char *name, TestFactory factory);
int runRegisteredTests(int argc, char **argv);

#define KESTREL_TEST(Class)                                                                        \
    static const int kestrelTestRegistration_##Class =                                             \
        registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
