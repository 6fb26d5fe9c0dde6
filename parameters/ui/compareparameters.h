#pragma once

#include "parametercompare.h"
#include "parameterprint.h"
#include "treemodel.h"

#include <QDialog>
#include <QPointer>

class CompPrintGui;
class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Compare Parameters": two parameter sources (a connected unit or an open parameter set file)
// and the table of every editable parameter whose values differ, set by set.
class CompareParameters : public QDialog
{
    Q_OBJECT
public:
    // A unit (interface "RS232", "RS485" or "TCPIP") or an open file (interface empty: offered in
    // every mode).
    struct Source
    {
        QString name;
        QString interfaceKey;
        QPointer<TreeModel> model;
    };

    explicit CompareParameters(Prompter &prompter, QWidget *parent = nullptr);

    // Everything that can be compared; the lists show those of the chosen mode.
    void setSources(const QList<Source> &sources);
    void setCustomerData(const QStringList &texts) { m_customerData = texts; }
    void setPrintDialogRunner(const ParameterPrint::PrintDialogRunner &runner) { m_printDialog = runner; }

    QComboBox *modeCombo(int side) const { return m_mode[side]; }
    QComboBox *unitCombo(int side) const { return m_unit[side]; }
    QTableWidget *table() const { return m_table; }
    QLabel *resultLabel() const { return m_result; }
    QLabel *outcomeLabel() const { return m_outcome; }
    QPushButton *compareButton() const { return m_compare; }
    CompPrintGui *printChoice() const { return m_printChoice; }
    // The model chosen on a side (0 first, 1 second), null when none.
    TreeModel *selectedModel(int side) const;
    QString selectedName(int side) const;

    // Compares the chosen sources and fills the table.
    void runComparison();
    // Fills the table from a result.
    void showResult(const ParameterCompare::Result &result);

signals:
    void compareMC1IndexChanged(int index);
    void compareMC2IndexChanged(int index);
    void compareClicked();
    void bringAppToForeGround();

public slots:
    void vxUISlotPrintBtnClicked();
    void vxUISlotCancelBtnClicked();
    // CompPrintGui::ToPrinter or ToPdf.
    void vxUiComparisonPrintint(int output);
    void vxUIInitTable();
    void onLangTranslation(int language);

private:
    void fillUnits(int side);
    int addRow(const QString &menu, const QString &text);

    Prompter &m_prompter;
    QList<Source> m_sources;
    QList<Source> m_shown[2];
    QStringList m_customerData;
    ParameterPrint::PrintDialogRunner m_printDialog;
    QComboBox *m_mode[2];
    QComboBox *m_unit[2];
    QLabel *m_selectHeading = nullptr;
    QLabel *m_heading;
    QLabel *m_result;
    QLabel *m_outcome;
    QTableWidget *m_table;
    QPushButton *m_compare;
    QPushButton *m_print;
    QPushButton *m_cancel;
    QPointer<CompPrintGui> m_printChoice;
};
