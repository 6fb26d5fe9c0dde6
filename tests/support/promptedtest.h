#pragma once

#include "scriptedprompter.h"

#include <QApplication>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

// The base of every test that drives widgets: the scripted prompter that answers each box the
// test expects. cleanup() calls verifyPrompts(), so a box the test did not expect, or an expected
// one that never came, fails the test that caused it.
class PromptedTest : public QObject
{
protected:
    void verifyPrompts()
    {
        const QString problems = prompter.problems();
        prompter.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    ScriptedPrompter prompter;
};

// main() of a widget test run with every warning fatal: without a runtime directory Qt warns.
#define TARVOLINK_WIDGET_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QTemporaryDir runtime;                                                                               \
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {                                                \
            QFile::setPermissions(                                                                           \
                runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);   \
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());                                        \
        }                                                                                                    \
        QApplication app(argc, argv);                                                                        \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
