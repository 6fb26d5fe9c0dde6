#pragma once

#include <QWidget>

class QLabel;

// The line above the central area: language link, logged-on user, logo and the alert line.
class HeaderLine : public QWidget
{
    Q_OBJECT
public:
    struct Fonts
    {
        QFont caption; // "Select a Language", "Logged on as:", the alert caption
        QFont link; // language and user links
        QFont alert; // the alert text
    };

    explicit HeaderLine(const Fonts &fonts, QWidget *parent = nullptr);

    QLabel *languageLabel() const { return m_language; }
    QLabel *changeLabel() const { return m_change; }
    QLabel *userLabel() const { return m_user; }
    QLabel *alertLabel() const { return m_alert; }

    // The link shows the flag and name of this language (index into the language table).
    void setLanguage(int index);
    // The role shown after "Logged on as:".
    void setUser(const QString &role);
    QString user() const { return m_role; }

    void retranslateUi();

signals:
    // "Lang" or "User".
    void linkActivated(const QString &link);
    // The alert line was clicked.
    void alertClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_language;
    QLabel *m_selectCaption;
    QLabel *m_change;
    QLabel *m_user;
    QLabel *m_alertCaption;
    QLabel *m_alert;
    QString m_role;
};
