#pragma once
// Test entry point: a real platform::Application (so exceptions reaching the event loop
// become message boxes, as in the shipped program) and the application identity.
#include "platform/application.h"
#include <QTest>

#define ZESTREL_TEST_MAIN(TestObject)                                  \
    int main(int argc, char** argv)                                    \
    {                                                                  \
        platform::Application app(argc, argv);                         \
        TestObject tc;                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                     \
        return QTest::qExec(&tc, argc, argv);                          \
    }
