#pragma once
// main() for a test program that needs something of the machine (a printer,
// root): when it is missing the program says why and exits 77, which CTest
// reports as skipped (SKIP_RETURN_CODE); under CI (CI=true) a missing
// requirement is a failure, so that nothing CI must run can be skipped.

#include <QApplication>
#include <QProcess>
#include <QtTest>
#include <cstdio>
#include <functional>

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

// What a program writes on its standard output.
inline QString outputOf(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Changes made to the machine, undone when it goes (last first), whatever
// the checks said.
struct Undo : QList<std::function<void()>> {
    // An environment variable set (unset where value is null) until the undo.
    void setEnv(const char *name, const QByteArray &value)
    {
        append([name, old = qgetenv(name), was = qEnvironmentVariableIsSet(name)] { was ? qputenv(name, old) : qunsetenv(name); });
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~Undo()
    {
        while (!isEmpty())
            takeLast()();
    }
};

// A program that does not apply to this build: skipped, under CI too.
inline int notForThisBuild(const QString &reason)
{
    std::fprintf(stdout, "SKIP   : %s\n", qPrintable(reason));
    return kSkipped;
}

} // namespace dravino::test

// requirement(arguments) gives the reason the program cannot run, or
// nothing; missing(reason) is what the program then exits with.
#define DRAVINO_TEST_MAIN_IF(TestObject, requirement, missing)                                               \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        if (const QString why = requirement(QApplication::arguments()); !why.isEmpty())                     \
            return missing(why);                                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

// A program that needs something of the machine.
#define DRAVINO_TEST_MAIN_REQUIRING(TestObject, requirement)                                                 \
    DRAVINO_TEST_MAIN_IF(TestObject, requirement, dravino::test::cannotRun)
// A program that does not apply to every build (requirement names why not).
#define DRAVINO_TEST_MAIN_SKIPPING(TestObject, requirement)                                                  \
    DRAVINO_TEST_MAIN_IF(TestObject, requirement, dravino::test::notForThisBuild)
