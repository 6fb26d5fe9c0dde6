#include "scriptedprompter.h"
#include "vxbutton.h"

#include <QApplication>
#include <QtTest>

// The prompt seam every GUI test relies on: if it let an unexpected box pass silently, every
// other test would pass for the wrong reason.
class TestScriptedPrompter : public QObject
{
    Q_OBJECT
private slots:
    void unexpectedUnmetOrUnanswerablePromptsAreReported();
    void mismatchKeepsExpectationAndIsReported_data();
    void mismatchKeepsExpectationAndIsReported();
    void vxButtonSwapsIconsOnHover();
};

void TestScriptedPrompter::unexpectedUnmetOrUnanswerablePromptsAreReported()
{
    ScriptedPrompter p;
    Prompter &seam = p;
    QCOMPARE(seam.question(nullptr, "Warning", "Quit?"), QMessageBox::NoButton);
    seam.information(nullptr, "Information", "Done");
    QCOMPARE(seam.openFileName(nullptr, "Open", QString(), QString()), QString());
    const QString problems = p.problems();
    QVERIFY(problems.contains("unexpected question \"Warning\" / \"Quit?\""));
    QVERIFY(problems.contains("unexpected open file"));
    p.reset();
    QVERIFY(p.problems().isEmpty());
    QVERIFY(p.seen().isEmpty());

    p.expectWarning("Never shown");
    QCOMPARE(p.problems(), QString("expected warning \"Never shown\" never came"));
    p.reset();
    // An answer the question does not offer is refused.
    p.expectQuestion("Save?", QMessageBox::Cancel);
    QCOMPARE(p.question(nullptr, "Warning", "Save?", QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                 QMessageBox::Question),
        QMessageBox::NoButton);
    QVERIFY(p.problems().contains("not among the buttons"));
}

void TestScriptedPrompter::mismatchKeepsExpectationAndIsReported_data()
{
    QTest::addColumn<int>("kind"); // of the prompt that comes
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("other kind") << int(ScriptedPrompter::Kind::Warning) << "Error"
                                << "Port is not Opened";
    QTest::newRow("other text of the same length") << int(ScriptedPrompter::Kind::Critical) << "Error"
                                                   << "Port is not Closed";
    QTest::newRow("text differs in blanks") << int(ScriptedPrompter::Kind::Critical) << "Error"
                                            << "Port is not Opened ";
}

void TestScriptedPrompter::mismatchKeepsExpectationAndIsReported()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, text);
    ScriptedPrompter p;
    p.expectCritical("Port is not Opened", "Error");
    if (ScriptedPrompter::Kind(kind) == ScriptedPrompter::Kind::Warning)
        p.warning(nullptr, title, text);
    else
        p.critical(nullptr, title, text);
    QVERIFY(p.problems().contains("while expecting critical \"Port is not Opened\""));
    QCOMPARE(p.pending(), 1);
    // The expected prompt can still arrive afterwards; the earlier fault stays on record.
    p.critical(nullptr, "Error", "Port is not Opened");
    QCOMPARE(p.pending(), 0);
    QVERIFY(!p.problems().isEmpty());
}

void TestScriptedPrompter::vxButtonSwapsIconsOnHover()
{
    QPixmap normalPix(16, 16), hoverPix(16, 16);
    normalPix.fill(Qt::red);
    hoverPix.fill(Qt::green);
    const QIcon normal(normalPix), hover(hoverPix);
    VXButton button(normal, hover);
    QCOMPARE(button.icon().cacheKey(), normal.cacheKey());
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QApplication::sendEvent(&button, &enter);
    QVERIFY(button.isHovered());
    QCOMPARE(button.icon().cacheKey(), hover.cacheKey());
    QApplication::sendEvent(&button, &leave);
    QCOMPARE(button.icon().cacheKey(), normal.cacheKey());

    // Without a hover picture the button keeps its normal one instead of going blank.
    button.setIcons(normal, QIcon());
    QApplication::sendEvent(&button, &enter);
    QCOMPARE(button.icon().cacheKey(), normal.cacheKey());
}

QTEST_MAIN(TestScriptedPrompter)
#include "tst_scriptedprompter.moc"
