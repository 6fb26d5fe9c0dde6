#pragma once

#include <QModelIndex>
#include <QObject>
#include <QStringList>
#include <functional>

class Connect;
class FileSetKeeper;
class Parameters;
class ParamTransfer;
class Prompter;
class SettingsBinder;
class TreeModel;
class UnitConnector;
class UnitRegistry;
class UnitTreeFrame;
class QWidget;
class importfileThread;
struct UnitRecord;

// The parameter work of the tab controller: Load from Drive, Load to Drive and direct sends of
// an edited value with their progress, the compare screen, the states of the File and Drive menu
// actions, and the offer to save edited sets before the program closes.
class ParameterActions : public QObject
{
    Q_OBJECT
public:
    // What the actions work with; all of it outlives this object.
    struct Context
    {
        Prompter *prompter = nullptr;
        QWidget *parent = nullptr; // parent of boxes and of the compare screen
        UnitRegistry *registry = nullptr;
        SettingsBinder *settings = nullptr;
        Parameters *params = nullptr;
        UnitTreeFrame *tree = nullptr;
        Connect *details = nullptr;
        ParamTransfer *transfer = nullptr;
        UnitConnector *connector = nullptr;
        // A configured worker of the unit with the operation set, not started.
        std::function<importfileThread *(UnitRecord *unit, int operation)> makeWorker;
        // The reads after a scan are under way.
        std::function<bool()> scanImporting;
    };

    ParameterActions(const Context &context, QObject *parent = nullptr);

    // Reads (write false) or writes all parameters of the unit from `model`, with progress.
    void startTransfer(bool write, TreeModel *model, const QStringList &entry);
    // Writes the value of one set column of a unit's model, then re-reads its dependants.
    void writeParameter(TreeModel *model, const QModelIndex &index);
    // A read or write of all parameters runs (the progress dialog's, or the reads after a scan).
    bool transferRunning() const;
    void setProgressRange(int start, int end);
    void setProgress(int value);
    void closeProgress();
    void showCompareScreen();
    // Tells the File and Drive menu actions whether they can be used now.
    void updateActionStates();
    // Offers to save the sets from files that have unsaved edits; false when the user chose to
    // stay (Cancel, or a save not carried out).
    bool offerToSaveFileSets();

signals:
    void newAction(bool enabled);
    void openAction(bool enabled);
    void saveAction(bool enabled);
    void printAction(bool enabled);
    void compareAction(bool enabled);
    void LFDAction(bool enabled);
    void LTDAction(bool enabled);
    void datFileInfoAction(bool enabled);
    void statusMessage(QString text);
    void bringAppToForeGround();
    // In: the language, for the screens opened here.
    void langTranslation(int index);

private:
    // True when the unit can be read or written now; otherwise says so and returns false.
    bool checkConnected(const UnitRecord *record);

    Context m_ctx;
};
