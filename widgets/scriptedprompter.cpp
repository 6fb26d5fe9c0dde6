#include "scriptedprompter.h"

ScriptedPrompter &ScriptedPrompter::push(const Expectation &e)
{
    m_expected.append(e);
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectInformation(const QString &text, const QString &title)
{
    return push({ Kind::Information, text, title, QMessageBox::NoButton, QString() });
}

ScriptedPrompter &ScriptedPrompter::expectWarning(const QString &text, const QString &title)
{
    return push({ Kind::Warning, text, title, QMessageBox::NoButton, QString() });
}

ScriptedPrompter &ScriptedPrompter::expectCritical(const QString &text, const QString &title)
{
    return push({ Kind::Critical, text, title, QMessageBox::NoButton, QString() });
}

ScriptedPrompter &ScriptedPrompter::expectQuestion(
    const QString &text, QMessageBox::StandardButton answer, const QString &title)
{
    return push({ Kind::Question, text, title, answer, QString() });
}

ScriptedPrompter &ScriptedPrompter::expectOpenFile(const QString &answer)
{
    return push({ Kind::OpenFile, QString(), QString(), QMessageBox::NoButton, answer });
}

ScriptedPrompter &ScriptedPrompter::expectSaveFile(const QString &answer)
{
    return push({ Kind::SaveFile, QString(), QString(), QMessageBox::NoButton, answer });
}

QString ScriptedPrompter::problems() const
{
    QStringList all = m_faults;
    for (const Expectation &e : m_expected)
        all << QStringLiteral("expected %1 \"%2\" never came").arg(kindName(e.kind), e.text);
    return all.join(QLatin1Char('\n'));
}

void ScriptedPrompter::reset()
{
    m_expected.clear();
    m_seen.clear();
    m_faults.clear();
}

QString ScriptedPrompter::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Information:
        return QStringLiteral("information");
    case Kind::Warning:
        return QStringLiteral("warning");
    case Kind::Critical:
        return QStringLiteral("critical");
    case Kind::Question:
        return QStringLiteral("question");
    case Kind::OpenFile:
        return QStringLiteral("open file");
    case Kind::SaveFile:
        return QStringLiteral("save file");
    }
    return QString();
}

const ScriptedPrompter::Expectation *ScriptedPrompter::take(const Prompt &prompt)
{
    m_seen.append(prompt);
    const QString shown
        = QStringLiteral("%1 \"%2\" / \"%3\"").arg(kindName(prompt.kind), prompt.title, prompt.text);
    if (m_expected.isEmpty()) {
        m_faults << QStringLiteral("unexpected ") + shown;
        return nullptr;
    }
    const Expectation &next = m_expected.first();
    const bool isFile = prompt.kind == Kind::OpenFile || prompt.kind == Kind::SaveFile;
    if (next.kind != prompt.kind || (!isFile && next.text != prompt.text)
        || (!next.title.isNull() && next.title != prompt.title)) {
        // Keep the expectation: the prompt it was meant for may still come.
        m_faults
            << QStringLiteral("got %1 while expecting %2 \"%3\"").arg(shown, kindName(next.kind), next.text);
        return nullptr;
    }
    m_current = m_expected.takeFirst();
    return &m_current;
}

void ScriptedPrompter::information(QWidget *, const QString &title, const QString &text)
{
    take({ Kind::Information, title, text, QMessageBox::Ok, QMessageBox::NoButton });
}

void ScriptedPrompter::warning(QWidget *, const QString &title, const QString &text)
{
    take({ Kind::Warning, title, text, QMessageBox::Ok, QMessageBox::NoButton });
}

void ScriptedPrompter::critical(QWidget *, const QString &title, const QString &text)
{
    take({ Kind::Critical, title, text, QMessageBox::Ok, QMessageBox::NoButton });
}

QMessageBox::StandardButton ScriptedPrompter::question(QWidget *, const QString &title, const QString &text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton, QMessageBox::Icon)
{
    const Expectation *e = take({ Kind::Question, title, text, buttons, defaultButton });
    if (!e)
        return QMessageBox::NoButton;
    if (!buttons.testFlag(e->answer)) {
        m_faults
            << QStringLiteral("answer %1 is not among the buttons of \"%2\"").arg(int(e->answer)).arg(text);
        return QMessageBox::NoButton;
    }
    return e->answer;
}

QString ScriptedPrompter::openFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    const Expectation *e = take({ Kind::OpenFile, caption, caption, {}, QMessageBox::NoButton });
    return e ? e->fileAnswer : QString();
}

QString ScriptedPrompter::saveFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    const Expectation *e = take({ Kind::SaveFile, caption, caption, {}, QMessageBox::NoButton });
    return e ? e->fileAnswer : QString();
}
