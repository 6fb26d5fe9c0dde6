#pragma once

#include "settingsrecord.h"

#include <QTabWidget>

class OscTraceSet;
class OscUnitDev;
class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Recording;

// The chooser of what is shown: per interface the connected units with their graph entries, the
// units of the loaded recording, and the favourite sets. Its check marks follow the shown traces.
class OscSignalLists : public QTabWidget
{
    Q_OBJECT
public:
    enum Page { RS232Page = 0, RS485Page, TCPIPPage, FilePage, FavoritesPage };

    OscSignalLists(const OscTraceSet &traces, QWidget *parent = nullptr);

    QTreeWidget *list(int page) const;
    QComboBox *favouriteSetBox() const { return m_favSet; }
    QPushButton *applyButton() const { return m_favApply; }
    QPushButton *favouritesButton() const { return m_favButton; }

    void fillUnitList(int iface, const QList<OscUnitDev *> &devices);
    void fillFileList(const Recording &recording);
    // The favourite sets' names, and the entries of the chosen one.
    void showFavourites(const std::array<FavouriteSet, SettingsRecord::FavouriteSetCount> &sets);
    // The check marks anew from the shown traces, however a trace came or went.
    void syncChecks();
    // A page of an interface without units gives way to one that has units.
    void turnToUnits();
    void retranslateUi();

signals:
    // An entry was checked or unchecked: of the live device with that running number, or of a
    // unit of the loaded recording.
    void liveEntryToggled(int runningNumber, int number, bool on);
    void fileEntryToggled(int fileUnit, int number, bool on);

private:
    void onItemChanged(QTreeWidgetItem *item, int column);
    bool isShown(const QTreeWidgetItem *item, int page) const;

    const OscTraceSet &m_traces;
    QTreeWidget *m_lists[FavoritesPage + 1] = {};
    QComboBox *m_favSet = nullptr;
    QPushButton *m_favButton = nullptr;
    QPushButton *m_favApply = nullptr;
    bool m_filling = false; // lists being filled: their change signals are ours
};
