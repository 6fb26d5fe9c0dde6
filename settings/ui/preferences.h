#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;
struct SettingsRecord;

// "Preferences": what the program does by itself on connect, scan, start-up and exit. The boxes
// hold the values; OK accepts them, Cancel puts back the ones accepted last.
class Preferences : public QDialog
{
    Q_OBJECT
public:
    enum Option {
        AutoImportActive,
        ImportActive,
        AutoScanActive,
        AutoSave,
        ExportOnlyChanged,
        BlockReads,
        OptionCount
    };

    explicit Preferences(QWidget *parent = nullptr);

    bool getAutoImportActive() const { return m_accepted[AutoImportActive]; }
    bool getImportActive() const { return m_accepted[ImportActive]; }
    bool getAutoScanActive() const { return m_accepted[AutoScanActive]; }
    bool getAutoSave() const { return m_accepted[AutoSave]; }
    bool getExportOnlyChanged() const { return m_accepted[ExportOnlyChanged]; }
    // Kept in the program's own options file, not in the settings file.
    bool getBlockReads() const { return m_accepted[BlockReads]; }
    void setAutoImportActive(bool on) { set(AutoImportActive, on); }
    void setImportActive(bool on) { set(ImportActive, on); }
    void setAutoScanActive(bool on) { set(AutoScanActive, on); }
    void setAutoSave(bool on) { set(AutoSave, on); }
    void setExportOnlyChanged(bool on) { set(ExportOnlyChanged, on); }
    void setBlockReads(bool on) { set(BlockReads, on); }

    void loadFrom(const SettingsRecord &record);
    void storeIn(SettingsRecord &record) const;

    QCheckBox *box(Option option) const { return m_boxes[option]; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void vxUISigPrefOkClicked();
    void vxUISigPrefCancelClicked();
    void bringAppToForeGround();

public slots:
    void vxUISlotOkBtnReleased();
    void vxUSlotICancelBtnReleased();
    void onLangTranslation(int index);
    // Cancel, Escape and the window's close button alike: the values shown go back to the accepted ones.
    void reject() override;

private:
    void set(Option option, bool on);
    void showValues();

    std::array<bool, OptionCount> m_accepted { { true, true, true, true, false, false } };
    std::array<QCheckBox *, OptionCount> m_boxes {};
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
