#pragma once

#include "settingsrecord.h"

#include <QDialog>
#include <QPointer>
#include <array>

class OscUnitDev;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTreeWidget;

// The small dialog shown while an entry is added: the chosen parameter, OK or "Cancel".
class AddFavParam : public QDialog
{
    Q_OBJECT
public:
    explicit AddFavParam(QWidget *parent = nullptr);
    QLineEdit *parameter() const { return m_parameter; }
    void onLangTranslation(int);

signals:
    void okClicked();

private:
    QLabel *m_label;
    QLineEdit *m_parameter;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// "Favorites": four named signal sets edited from the signals of the connected units.
class EditFavorites : public QDialog
{
    Q_OBJECT
public:
    using Sets = std::array<FavouriteSet, SettingsRecord::FavouriteSetCount>;
    EditFavorites(Prompter &prompter, QWidget *parent = nullptr);

    void setSets(const Sets &sets, int current);
    Sets sets() const { return m_sets; }
    int currentSet() const;
    int mode() const;
    void setUnits(const QList<OscUnitDev *> &devices);
    QTreeWidget *parameterTree() const { return m_tree; }
    QTableWidget *table() const { return m_table; }
    QListWidget *unitList() const { return m_units; }
    QLineEdit *setName() const { return m_name; }
    AddFavParam *addDialog() const { return m_add; }

signals:
    void vxUISigFavOkClicked();
    void vxUISigFavCancelClicked();
    void vxUISigModeComboChanged(int);
    void vxUISigGetAddFavParamList();
    void vxUISigAddFavOkClicked();
    void bringAppToForeGround();

public slots:
    void vxUISlotCancelBtnReleased();
    void vxUISlotApplyBtnReleased();
    void vxUISlotSaveBtnReleased();
    void vxUIAppendRow(QStringList list);
    void vxUISlotFavAddClicked();
    void vxUISlotFavRemoveClicked();
    void vxUISlotAddFavOkClicked();
    void vxUISlotAddFavCancelClicked();
    void onLangTranslation(int);
    void vxUISetComboChanged(int index);
    void vxUISlotReNameClicked();
    void vxUIStoreData();

private:
    void showSet(int index);
    void fillTree();
    // The entry of the tree's current item; false when none is chosen.
    bool chosenEntry(FavouriteEntry *entry) const;

    Prompter &m_prompter;
    Sets m_sets;
    int m_shown = 0;
    QList<QPointer<OscUnitDev>> m_devices;
    QLabel *m_setLabel;
    QComboBox *m_setBox;
    QLabel *m_nameLabel;
    QLineEdit *m_name;
    QPushButton *m_rename;
    QLabel *m_modeLabel;
    QComboBox *m_mode;
    QLabel *m_unitLabel;
    QListWidget *m_units;
    QLabel *m_paramLabel;
    QTreeWidget *m_tree;
    QTableWidget *m_table;
    QPushButton *m_addButton;
    QPushButton *m_remove;
    QPushButton *m_save;
    QPushButton *m_apply;
    QPushButton *m_cancel;
    AddFavParam *m_add;
};
