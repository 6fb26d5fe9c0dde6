#pragma once

#include "customerdatadialog.h"
#include "parameterprint.h"
#include "printgui.h"
#include "selectcsvdialog.h"
#include "treemodel.h"

#include <QAbstractItemDelegate>
#include <QHash>
#include <QModelIndex>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <functional>

class ParameterDelegate;
class ParameterToolBar;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The parameter tab: the tree of the selected unit or parameter set file with in-place editors,
// and the toolbar that starts every parameter operation. It never talks to a unit: transfers
// leave as signals that the tab controller hands to the unit's worker.
class Parameters : public QWidget
{
    Q_OBJECT
public:
    // Enabled state of each File action, as the main window's menu shows it.
    struct ActionStates
    {
        bool newSet = false, open = false, save = false, print = false, compare = false;
        bool loadFromDrive = false, loadToDrive = false, datFileInfo = false;
    };

    // What the view must know about the rest of the program before it writes to a unit. Unset
    // functions count as "not recording", "no unit connected" and "motor stopped".
    struct DriveContext
    {
        std::function<bool()> isRecording;
        std::function<QList<QStringList>()> connectedUnits; // unit entries
        std::function<bool(const QStringList &entry)> isMotorRunning;
    };
    // Picks the target unit of a set without a unit (normally the "File Export" dialog); returns
    // the chosen entry, or an empty list when cancelled.
    using TargetChooser = std::function<QStringList(const QList<QStringList> &units, QWidget *parent)>;

    // The prompter belongs to the main window and outlives this view.
    explicit Parameters(Prompter &prompter, QWidget *parent = nullptr);
    // Below this width the side panel hides and the limits show below the tree.
    static constexpr int NarrowWidth = 820;
    ~Parameters() override;

    TreeModel *model() const { return m_model; }
    QStringList unitInformation() const { return m_unitInfo; }
    QTreeView *treeView() const { return m_tree; }
    ParameterToolBar *toolBar() const { return m_toolBar; }
    ParameterDelegate *delegate() const { return m_delegate; }
    QLineEdit *minField() const { return m_min; }
    QLineEdit *maxField() const { return m_max; }
    QModelIndex editorIndex() const { return m_editIndex; }
    bool isExpandAll() const { return m_expandAll; }
    ActionStates actionStates() const;

    void setDriveContext(const DriveContext &context) { m_context = context; }
    void setTargetChooser(const TargetChooser &chooser) { m_chooseTarget = chooser; }
    void setPrintDialogRunner(const ParameterPrint::PrintDialogRunner &runner) { m_printDialog = runner; }
    // Customer data of the settings: used for sets that carry none of their own.
    void setCustomerData(const QStringList &texts) { m_customerData = texts; }
    const QStringList &customerData() const { return m_customerData; }
    void setLanguage(uint language) { m_language = language; }
    // Opens a parameter set file under "Units on File", as File > Open does once a file is chosen.
    void openFile(const QString &fileName);

    // The dialogs of the last "New", "Print" and "&Dat File Information..." (null before).
    SelectCsvDialog *csvDialog() const { return m_csvDialog; }
    PrintGui *printGui() const { return m_printGui; }
    CustomerDataDialog *customerDataDialog() const { return m_customerDialog; }

signals:
    void vxUISigImportBtnClicked(TreeModel *model, QStringList fileList);
    void vxUISigSaveBtnClicked(TreeModel *model);
    void vxUISigOpenBtnClicked(TreeModel *model);
    // `fileList` is the entry of the unit to write to (for a file set: the unit chosen).
    void vxUISigExportBtnClicked(TreeModel *model, QStringList fileList);
    // A set made by "New" or opened from file; the receiver may take the model over (setParent).
    void vxUISigSendFileName(QString unit_name, QString file_name, QString inom, QString pnom,
        QString F_Version, QString updatedname, TreeModel *model);
    void sendTreeModel(QStringList filelist, TreeModel *model);
    void sendDataToControl(QModelIndex index, QString treeData, QString StringData, TreeModel *model,
        bool onLineEditFlag, QStringList fileList);
    void vxUISigEnableParamSettings();
    void vxUISigEnableCtrlSettings(bool enabled);
    void vxUISigComparePrmScreenShow();
    void langTranslation(int language);
    void bringAppToForeGround();
    // "Upgrade CSV": the main window opens the device file download window.
    void vxUISigUpgradeCsvClicked();
    void alertNotification(QString text);
    // What an action came to (saved, opened, refused), for the status bar.
    void statusMessage(QString text);

public slots:
    void vxUISlotSetTreeView(QStringList list, TreeModel *model);
    // [device description file, drive size, nominal current, nominal power]
    void vxUIGetCSVFile(QStringList filelist);
    void restoreTreeExapandCollapseSet();
    // true disables "Load from Drive" and "Load to Drive" (a transfer is running).
    void vxUISlotDisableImpExpWid(bool disable);
    void onLangTranslation(int language);
    void onLinkActivated(QString link);

    void vxUISlotNewBtnPressed();
    void vxUISlotNewBtnClicked();
    void vxUISlotOpenBtnPressed();
    void vxUISlotOpenBtnClicked();
    void vxUISlotSaveBtnPressed();
    void vxUISlotSaveBtnClicked();
    void vxUISlotPrintBtnPressed();
    void vxUISlotPrintBtnClicked();
    void vxUISlotImportBtnPressed();
    void vxUISlotImportBtnClicked();
    void vxUISlotExportBtnPressed();
    void vxUISlotExportBtnClicked();
    void vxUISlotComparePrmBtnPressed();
    void vxUISlotComparePrmBtnReleased();
    // "&Dat File Information...": the customer data of the shown set, read-only.
    void vxUISlotDatFileInfo();

    void updateTreeValue(QString text);
    void updateTreeValue();
    void updateLineEditTreeValue();
    void updateLineEditTreeValue1();
    void update3LETreeValue();

    void vxUISlotTmClicked(QModelIndex index);
    void vxUISlotTmDoubleClicked(QModelIndex index);
    void UpdateExpandedTreeState(QModelIndex index);
    void UpdateCollapsedTreeState(QModelIndex index);
    void vxUIExpandAllClicked();
    void onExpColClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct ExpandState
    {
        bool all = false;
        QSet<QString> expanded; // menu paths
    };

    void commitValue(const QModelIndex &index, const QString &text, bool lineEdit);
    // Says why a typed value was not taken, with the range the parameter allows.
    void refuseValue(const QModelIndex &index, const QString &text, bool typing);
    void moveToNextSet(bool back);
    int menuColumnWidth() const;
    void closeEditor();
    void fitColumns();
    // After Tab or Shift+Tab in an editor: the next or previous set value becomes current.
    void editorClosed(QAbstractItemDelegate::EndEditHint hint);
    void printWith(int mode, bool pdf);
    bool confirmExport(QStringList *target);
    void reportActionStates();
    void retranslateUi();
    QStringList effectiveCustomerData() const;
    QString shownName() const;
    QString stateKey() const;
    QString pathOf(const QModelIndex &index) const;
    bool isUnitSet() const;

    Prompter &m_prompter;
    QPointer<TreeModel> m_model;
    QStringList m_unitInfo;
    QStringList m_customerData;
    uint m_language = 0;
    bool m_impExpDisabled = false;
    bool m_expandAll = false;
    bool m_restoring = false;
    // Column widths the user dragged; they replace the automatic fit from then on.
    QVector<int> m_userWidths;
    bool m_fitting = false;
    bool m_headerPressed = false;
    QHash<QString, ExpandState> m_expandStates;
    QPersistentModelIndex m_editIndex;
    DriveContext m_context;
    TargetChooser m_chooseTarget;
    ParameterPrint::PrintDialogRunner m_printDialog;

    ParameterToolBar *m_toolBar;
    QTreeView *m_tree;
    ParameterDelegate *m_delegate;
    QLineEdit *m_min;
    QLineEdit *m_max;
    QLabel *m_minLabel;
    QWidget *m_side = nullptr;
    QLabel *m_limitsLine = nullptr;
    QLabel *m_maxLabel;
    QLabel *m_helpTitle;
    QLabel *m_helpBody;
    QPushButton *m_helpFold;
    QPointer<SelectCsvDialog> m_csvDialog;
    QPointer<PrintGui> m_printGui;
    QPointer<CustomerDataDialog> m_customerDialog;
};
