#include "prompter.h"

#include <QFileDialog>
#include <QTextStream>

Prompter::~Prompter() = default;

void MessageBoxPrompter::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text);
}

void MessageBoxPrompter::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

void MessageBoxPrompter::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text);
}

QMessageBox::StandardButton MessageBoxPrompter::question(QWidget *parent, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
    QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int chosen = box.exec();
    // exec() gives the standard button, or an escape value when the box was closed otherwise.
    return buttons.testFlag(QMessageBox::StandardButton(chosen)) ? QMessageBox::StandardButton(chosen)
                                                                 : QMessageBox::NoButton;
}

QString MessageBoxPrompter::openFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString MessageBoxPrompter::saveFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

namespace {
void report(const char *kind, const QString &title, const QString &text)
{
    QTextStream(stderr) << kind << " \"" << title << "\": " << text << '\n';
}
} // namespace

void AutoAnswerPrompter::information(QWidget *, const QString &title, const QString &text)
{
    report("information", title, text);
}

void AutoAnswerPrompter::warning(QWidget *, const QString &title, const QString &text)
{
    report("warning", title, text);
}

void AutoAnswerPrompter::critical(QWidget *, const QString &title, const QString &text)
{
    report("critical", title, text);
}

QMessageBox::StandardButton AutoAnswerPrompter::question(QWidget *, const QString &title, const QString &text,
    QMessageBox::StandardButtons, QMessageBox::StandardButton defaultButton, QMessageBox::Icon)
{
    report("question", title, text);
    return defaultButton;
}

QString AutoAnswerPrompter::openFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    report("open file", caption, QString());
    return QString();
}

QString AutoAnswerPrompter::saveFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    report("save file", caption, QString());
    return QString();
}
