#pragma once

#include "importfilethread.h"

#include <QObject>
#include <QPointer>
#include <QString>

class Prompter;
class QProgressDialog;
class QWidget;

// Reading and writing all parameters of a unit as the user sees it: the questions asked first and
// the progress dialog shown while a worker carries the values. The dialog never blocks: it is
// shown and left to the worker's signals and its own "Cancel".
class ParamTransfer : public QObject
{
    Q_OBJECT
public:
    // What the questions depend on.
    struct Situation
    {
        bool oscRecording = false;
        bool motorRunning = false; // connected and last command forward or backward
        bool fromFile = false;     // the values to write come from a parameter set file
        bool sizeDiffers = false;
        bool typeDiffers = false;
        bool versionDiffers = false;
    };

    ParamTransfer(Prompter &prompter, QWidget *dialogParent);
    ~ParamTransfer() override;

    // Asks what the situation calls for; false as soon as one answer is "No".
    bool confirm(bool write, const Situation &situation);
    // Shows the dialog for the unit and ties "Cancel" to the worker (not started here).
    void begin(bool write, const QString &unitName, importfileThread *worker);

    QProgressDialog *dialog() const { return m_dialog; }
    importfileThread *worker() const { return m_worker; }
    bool isOpen() const;
    void raise();

    static QString captionFor(bool write);

public slots:
    void setRange(int start, int end);
    void setProgress(int value);
    // Closes the dialog; the worker is left to end by itself.
    void close();

private:
    Prompter &m_prompter;
    QWidget *m_parent;
    QProgressDialog *m_dialog = nullptr;
    QPointer<importfileThread> m_worker;
};
