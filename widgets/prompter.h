#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The one door through which the program shows message boxes, asks questions and picks files,
// so tests can answer them without a modal dialog ever blocking.
class Prompter
{
public:
    virtual ~Prompter();

    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;

    // Returns the button chosen; NoButton when the box was closed without a choice.
    // The icon only changes the look: some confirmations are shown as warnings.
    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
        QMessageBox::Icon icon = QMessageBox::Question)
        = 0;

    // Empty when the user cancelled.
    virtual QString openFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
        = 0;
    virtual QString saveFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
        = 0;
};

// Real modal message boxes and file dialogs.
class MessageBoxPrompter : public Prompter
{
public:
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
};

// Answers every prompt with its default at once and writes it to standard error. Used only where
// an unattended run must get past a box (the start-up check under TARVOLINK_AUTO_ANSWER).
class AutoAnswerPrompter : public Prompter
{
public:
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
};
