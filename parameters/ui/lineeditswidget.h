#pragma once

#include <QWidget>

class QLineEdit;

// Three fields for a time or date value ("h:mm:ss", "hh:mm:ss" or "yy:mm:dd"); Return in any
// field confirms the value when all three fields are acceptable and it lies within the limits.
class LineEditsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LineEditsWidget(QWidget *parent = nullptr);

    // Validators by item kind (TreeItem::Time, TimeHhMmSsT or Date) and the limits as shown.
    void setup(int timeKind, const QString &min, const QString &max);
    QLineEdit *field(int i) const { return m_edits[i]; }
    // The three fields joined with ":".
    QString text() const;
    bool isAcceptable() const;

signals:
    void editsConfirmed();

public slots:
    void updateEditData(QString &value);

private:
    QLineEdit *m_edits[3];
    QString m_min;
    QString m_max;
};
