#pragma once

#include "scriptedprompter.h"

#include <QObject>
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
