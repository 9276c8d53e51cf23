#pragma once
// main() for a test program that needs something of the machine (a printer,
// root): when it is missing the program says why and exits 77, which CTest
// reports as skipped (SKIP_RETURN_CODE); under CI (CI=true) a missing
// requirement is a failure, so that nothing CI must run can be skipped.

#include <QApplication>
#include <QtTest>
#include <cstdio>

namespace dravino::test {

inline constexpr int kSkipped = 77;

inline int cannotRun(const QString &reason)
{
    if (qgetenv("CI") == "true") {
        std::fprintf(stdout, "FAIL!  : required under CI: %s\n", qPrintable(reason));
        return 1;
    }
    std::fprintf(stdout, "SKIP   : %s\n", qPrintable(reason));
    return kSkipped;
}

} // namespace dravino::test

// requirement(arguments) gives the reason the program cannot run, or nothing.
#define DRAVINO_TEST_MAIN_REQUIRING(TestObject, requirement)                                                 \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        if (const QString why = requirement(QApplication::arguments()); !why.isEmpty())                     \
            return dravino::test::cannotRun(why);                                                            \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
