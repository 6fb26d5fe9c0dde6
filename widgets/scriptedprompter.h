#pragma once

#include "prompter.h"

#include <QList>
#include <QStringList>

// Answers prompts from a queue of expected ones, for tests. A prompt that was not expected, or that
// differs from the next expectation, is answered with a refusal and recorded; the test checks
// problems() at its end, so an unexpected box fails the test instead of blocking it.
class ScriptedPrompter : public Prompter
{
public:
    enum class Kind { Information, Warning, Critical, Question, OpenFile, SaveFile };

    // One prompt as it was shown.
    struct Prompt
    {
        Kind kind;
        QString title;
        QString text; // the caption for file prompts
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    // The title is compared only when given; the text always, exactly (file prompts: not at all).
    ScriptedPrompter &expectInformation(const QString &text, const QString &title = QString());
    ScriptedPrompter &expectWarning(const QString &text, const QString &title = QString());
    ScriptedPrompter &expectCritical(const QString &text, const QString &title = QString());
    ScriptedPrompter &expectQuestion(
        const QString &text, QMessageBox::StandardButton answer, const QString &title = QString());
    ScriptedPrompter &expectOpenFile(const QString &answer);
    ScriptedPrompter &expectSaveFile(const QString &answer);

    const QList<Prompt> &seen() const { return m_seen; }
    int pending() const { return m_expected.size(); }
    // Empty when every prompt was expected and every expectation met; otherwise one line per fault.
    QString problems() const;
    // Forgets expectations, history and faults.
    void reset();

    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void critical(QWidget *parent, const QString &title, const QString &text) override;
    QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
        QMessageBox::Icon icon) override;
    QString openFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter) override;

    static QString kindName(Kind kind);

private:
    struct Expectation
    {
        Kind kind;
        QString text;
        QString title;
        QMessageBox::StandardButton answer = QMessageBox::NoButton;
        QString fileAnswer;
    };

    // Records the prompt and returns the matching expectation, or nullptr (fault recorded).
    const Expectation *take(const Prompt &prompt);
    ScriptedPrompter &push(const Expectation &e);

    QList<Expectation> m_expected;
    QList<Prompt> m_seen;
    QStringList m_faults;
    Expectation m_current;
};
