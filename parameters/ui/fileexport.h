#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;

// Chooses the connected unit that a parameter set without a unit of its own is written to.
class FileExport : public QDialog
{
    Q_OBJECT
public:
    // `units`: the unit entries of every connected unit.
    explicit FileExport(const QList<QStringList> &units, QWidget *parent = nullptr);

    QComboBox *modeCombo() const { return m_mode; }
    QComboBox *unitCombo() const { return m_unit; }
    // The entry chosen, empty when none.
    QStringList selectedUnit() const;

signals:
    void bringAppToForeGround();

private:
    void fillUnits();

    QList<QStringList> m_units;
    QList<QStringList> m_shown;
    QComboBox *m_mode;
    QComboBox *m_unit;
};
