#include "dialogs/CSyncAccountBox.h"

#include "graphics/CMessageBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

CSyncAccountBox::CSyncAccountBox(Hooks hooks, QWidget *parent)
    : QGroupBox(tr("Calendar sync (CalDAV)"), parent)
    , m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("syncAccount"));
    m_url = new QLineEdit(this);
    m_url->setObjectName(QStringLiteral("syncUrl"));
    m_url->setPlaceholderText(tr("https://server/ or the calendar's address"));
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("syncUser"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("syncPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_syncNow = new QPushButton(tr("S&ync now"), this);
    m_syncNow->setObjectName(QStringLiteral("syncNow"));
    m_syncNow->setAutoDefault(false);
    m_plainHttp = new QLabel(tr("Warning: this address is not encrypted: the password and your reminders travel "
                                            "readable to anyone on the network. Use https:// if the server offers it."),
                             this);
    m_plainHttp->setObjectName(QStringLiteral("syncPlainHttp"));
    m_plainHttp->setAccessibleName(tr("Warning: unencrypted calendar address"));
    m_plainHttp->setWordWrap(true);
    m_plainHttp->setVisible(false);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("syncStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *form = new QFormLayout(this);
    form->setContentsMargins(8, 4, 8, 6);
    form->setVerticalSpacing(3);
    form->addRow(tr("&Address:"), m_url);
    form->addRow(m_plainHttp);
    form->addRow(tr("&User name:"), m_user);
    auto *row = new QHBoxLayout;
    row->addWidget(m_password, 1);
    row->addWidget(m_syncNow);
    form->addRow(tr("Pass&word:"), row);
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(row)))
        label->setBuddy(m_password);
    m_detailsButton = new QPushButton(tr("&Details..."), this);
    m_detailsButton->setObjectName(QStringLiteral("syncDetails"));
    m_detailsButton->setAutoDefault(false);
    m_detailsButton->setToolTip(tr("What the last sync simplified, left out or found changed on both sides"));
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_detailsButton, 0, Qt::AlignTop);
    form->addRow(statusRow);

    if (m_hooks.m_Load)
        m_hooks.m_Load(m_openedUrl, m_openedUser);
    m_url->setText(m_openedUrl);
    m_user->setText(m_openedUser);
    if (!m_openedUrl.isEmpty())
        m_password->setPlaceholderText(tr("(kept in your keyring)"));
    setStatus(m_hooks.m_Status ? m_hooks.m_Status() : QString());
    setDetails(m_hooks.m_Details ? m_hooks.m_Details() : QString());
    showPlainHttpWarning();
    connect(m_url, &QLineEdit::textChanged, this, &CSyncAccountBox::showPlainHttpWarning);
    connect(m_syncNow, &QPushButton::clicked, this, &CSyncAccountBox::onSyncNow);
    connect(m_detailsButton, &QPushButton::clicked, this, &CSyncAccountBox::onDetails);
}

QString CSyncAccountBox::Check(const QString &url, const QString &user, const QString &password, bool accountChanged)
{
    if (url.trimmed().isEmpty())
        return QString();
    const QUrl u(url.trimmed(), QUrl::StrictMode);
    if (!u.isValid() || u.host().isEmpty()
        || (u.scheme() != QLatin1String("http") && u.scheme() != QLatin1String("https")))
        return tr("The calendar address must be an http:// or https:// address.");
    if (user.isEmpty())
        return tr("Enter the user name of the calendar account.");
    if (accountChanged && password.isEmpty())
        return tr("Enter the password of the calendar account.");
    return QString();
}

bool CSyncAccountBox::apply()
{
    const QString url = m_url->text().trimmed();
    const QString user = m_user->text();
    const QString password = m_password->text();
    const bool changed = url != m_openedUrl || user != m_openedUser;
    const QString problem = Check(url, user, password, changed);
    if (!problem.isEmpty()) {
        CMessageBox::Show(problem, CMessageSink::Ok, CMessageSink::Warning);
        return false;
    }
    if ((changed || !password.isEmpty()) && m_hooks.m_Save)
        m_hooks.m_Save(url, user, password);
    m_openedUrl = url;
    m_openedUser = user;
    m_password->clear();
    return true;
}

void CSyncAccountBox::onSyncNow()
{
    if (apply() && m_hooks.m_SyncNow && !m_openedUrl.isEmpty())
        m_hooks.m_SyncNow();
}

void CSyncAccountBox::showPlainHttpWarning()
{
    // Loopback too: a port on this computer may be a tunnel to anywhere.
    m_plainHttp->setVisible(QUrl(m_url->text().trimmed()).scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0);
}

void CSyncAccountBox::setStatus(const QString &text)
{
    m_status->setText(text.isEmpty() ? tr("No account: nothing is synced.") : text);
}

void CSyncAccountBox::setDetails(const QString &text)
{
    m_details = text;
    m_detailsButton->setVisible(!text.isEmpty());
}

void CSyncAccountBox::onDetails()
{
    //: Followed by the list of what the last sync simplified or left out.
    CMessageBox::Show(tr("The last sync:\n\n") + m_details, CMessageSink::Ok, CMessageSink::Information);
}
