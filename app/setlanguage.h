#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// Lets the user pick one of the program's languages; also holds the language table.
class SetLanguage : public QDialog
{
    Q_OBJECT
public:
    static constexpr int LanguageCount = 11;

    // Index 0 is English; an index outside the table is treated as English.
    static int validIndex(int index);
    static QString languageName(int index);
    static QString flagPath(int index);
    // Catalogue name relative to the configuration folder; empty for the built-in English texts.
    static QString catalogueName(int index);
    // The toolkit's catalogue of the language in its translations folder ("qt_de"; it names the
    // module catalogues it needs); empty for English.
    static QString qtCatalogueName(int index);

    explicit SetLanguage(QWidget *parent = nullptr);

    QComboBox *languageBox() const { return m_box; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void langSelectionChanged(uint index);
    void vxUILanIndexChanged(int index);
    void bringAppToForeGround();

public slots:
    void onLangOkClicked();
    void vxUISlotCancelBtnReleased();
    void setComboIndex(uint index);
    void onLangTranslation(int index);

private:
    QComboBox *m_box;
    QLabel *m_caption;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    // The language in force, so Cancel can put the list back.
    int m_applied = 0;
};
