#pragma once

#include "importfilethread.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

// The progress dialog of reading or writing all parameters of a unit, shown while a worker carries
// the values. It never blocks: it is shown and left to the worker's signals and its own "Cancel".
class ParamTransfer : public QObject
{
    Q_OBJECT
public:
    explicit ParamTransfer(QWidget *dialogParent);
    ~ParamTransfer() override;

    // Shows the dialog for the unit and ties "Cancel" to the worker (not started here). `skipped`:
    // parameters a write passes over for want of a value.
    void begin(bool write, const QString &unitName, importfileThread *worker, int skipped = 0);

    QProgressDialog *dialog() const { return m_dialog; }
    importfileThread *worker() const { return m_worker; }
    bool isOpen() const;
    void raise();

    static QString captionFor(bool write);

    // What the last transfer carried, kept after the dialog closed so its outcome can be told.
    struct Summary
    {
        QPointer<importfileThread> worker;
        bool write = false;
        QString unitName;
        int total = 0; // parameters to carry, once the worker said
        int skipped = 0;
    };
    const Summary &last() const { return m_last; }
    // The status bar text for the last transfer once its worker ended with result and count.
    QString outcomeText(int result, int handled) const;

public slots:
    void setRange(int start, int end);
    void setProgress(int value);
    // Closes the dialog; the worker is left to end by itself.
    void close();

private:
    QWidget *m_parent;
    QProgressDialog *m_dialog = nullptr; // a child of the dialog parent, deleted here or by close()
    QPointer<importfileThread> m_worker;
    Summary m_last;
};
