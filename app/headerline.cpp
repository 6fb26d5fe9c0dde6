#include "headerline.h"

#include "setlanguage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
QLabel *linkLabel(QWidget *parent, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setFont(font);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}
} // namespace

HeaderLine::HeaderLine(const Fonts &fonts, QWidget *parent)
    : QWidget(parent)
    , m_language(linkLabel(this, fonts.link))
    , m_selectCaption(new QLabel(this))
    , m_change(linkLabel(this, fonts.link))
    , m_user(linkLabel(this, fonts.link))
    , m_alertCaption(new QLabel(this))
    , m_alert(new QLabel(this))
{
    setObjectName(QStringLiteral("headerLine"));
    m_selectCaption->setFont(fonts.caption);
    m_alertCaption->setFont(fonts.caption);
    m_alert->setFont(fonts.alert);
    // Left-aligned: a long alert is clipped at its end, so the unit it names stays in view; its
    // tooltip shows it whole and a click opens the alert list.
    m_alert->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Room for a short alert; a long one is clipped rather than widening the window.
    m_alert->setMinimumWidth(160);
    // The caption may take two lines on a narrow screen; the header is two lines high anyway.
    m_alertCaption->setWordWrap(true);
    m_alert->setCursor(Qt::PointingHandCursor);
    m_alert->installEventFilter(this);

    auto *logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/VXLogo.png")));
    logo->setStyleSheet(QStringLiteral("background-color:white;border: 1px solid black;"));
    auto *divider = new QLabel(this);
    divider->setPixmap(QPixmap(QStringLiteral(":/Divider.png")));

    auto *languageBox = new QVBoxLayout;
    languageBox->setSpacing(0);
    languageBox->addWidget(m_language);
    auto *selectRow = new QHBoxLayout;
    // Its own spacing: a nested row would take the column's none, and the caption would run into the link.
    selectRow->setSpacing(8);
    selectRow->addWidget(m_selectCaption);
    selectRow->addWidget(m_change);
    selectRow->addStretch();
    languageBox->addLayout(selectRow);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(languageBox);
    layout->addSpacing(20);
    layout->addWidget(m_user);
    layout->addStretch(1);
    layout->addWidget(logo);
    layout->addWidget(divider);
    layout->addWidget(m_alertCaption);
    layout->addWidget(m_alert, 2);

    for (QLabel *label : { m_language, m_change, m_user })
        connect(label, &QLabel::linkActivated, this, &HeaderLine::linkActivated);

    setLanguage(0);
    retranslateUi();
}

bool HeaderLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_alert && event->type() == QEvent::MouseButtonRelease) {
        emit alertClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HeaderLine::setLanguage(int index)
{
    // The German link has one blank before its flag, as the program always showed it.
    const int i = SetLanguage::validIndex(index);
    m_language->setText(QStringLiteral("<a href=\"Lang\" style=\"color:blue;\">%1<img src=\"%2\"> %3</a>")
                            .arg(i == 3 ? QStringLiteral(" ") : QString(), SetLanguage::flagPath(i),
                                SetLanguage::languageName(i).toHtmlEscaped()));
}

void HeaderLine::setUser(const QString &role)
{
    m_role = role;
    retranslateUi();
}

void HeaderLine::retranslateUi()
{
    m_selectCaption->setText(tr("Select a Language"));
    m_change->setText(QStringLiteral("<a href=\"Lang\">%1</a>").arg(tr("Change").toHtmlEscaped()));
    m_user->setText(QStringLiteral("%1 <a href=\"User\">%2</a>")
                        .arg(tr("Logged on as:").toHtmlEscaped(), m_role.toHtmlEscaped()));
    m_alertCaption->setText(tr("Alert(s)/Notification(s):"));
}
