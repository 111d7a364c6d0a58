#include "app/CCloseWarningDlg.h"

#include "media/CSoundPlayer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

const char *const CCloseWarningDlg::kText = QT_TRANSLATE_NOOP("CCloseWarningDlg",
    "If you close Kestrelmark, you will not be notified of future reminders until you restart your computer "
    "or run Kestrelmark again.  For maximum functionality, it is recommended that you 'just minimize.'");

CCloseWarningDlg::CCloseWarningDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Kestrelmark -- Close Warning!"));
    setObjectName(QStringLiteral("closeWarning"));

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto *text = new QLabel(tr(kText), this);
    text->setWordWrap(true);
    text->setMinimumWidth(340);

    m_minimize = new QPushButton(tr("Just &minimize"), this);
    m_minimize->setObjectName(QStringLiteral("justMinimize"));
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_minimize->setDefault(true);
    connect(m_minimize, &QPushButton::clicked, this, [this] { Choose(JustMinimize); });
    connect(m_close, &QPushButton::clicked, this, [this] { Choose(Close); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Choose(Cancel); });

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_minimize);
    buttons->addWidget(m_close);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton *CCloseWarningDlg::Button(Choice choice) const
{
    switch (choice) {
    case JustMinimize: return m_minimize;
    case Close: return m_close;
    default: return m_cancel;
    }
}

void CCloseWarningDlg::Choose(Choice choice)
{
    m_choice = choice;
    done(choice);
}

void CCloseWarningDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_soundPlayed) {
        m_soundPlayed = true;
        CSoundPlayer::Current().PlayAlias(QStringLiteral("SystemQuestion"));
    }
}
