#include "dialogs/CRangeDlgBase.h"

#include "dialogs/CSpinEdit.h"
#include "graphics/CMessageBox.h"

#include <QLocale>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *makeMonthList(QWidget *parent, const QString &name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(CRangeDlgBase::MonthNames());
    list->setMaxVisibleItems(12);
    return list;
}

CSpinEdit *makeSpin(QWidget *parent, const QString &name, const QString &spoken, int low, int high, bool wrap, int width)
{
    auto *spin = new CSpinEdit(parent);
    spin->setObjectName(name);
    spin->setAccessibleName(spoken);
    spin->setRange(low, high);
    spin->setWrapping(wrap);
    spin->setMinimumWidth(width);
    return spin;
}

} // namespace

QStringList CRangeDlgBase::MonthNames()
{
    // The locale's names, as they stand alone in a list, with a capital.
    const QLocale locale;
    QStringList names;
    for (int month = 1; month <= 12; ++month) {
        QString name = locale.standaloneMonthName(month, QLocale::LongFormat);
        names << locale.toUpper(name.left(1)) + name.mid(1);
    }
    return names;
}

CRangeDlgBase::CRangeDlgBase(const QString &caption, const QString &prompt, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);

    m_layout = new QVBoxLayout(this);
    auto *label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("prompt"));
    m_layout->addWidget(label);

    auto *grid = new QGridLayout;
    m_FromMonthList = makeMonthList(this, QStringLiteral("fromMonth"));
    m_FromDaySpin = makeSpin(this, QStringLiteral("fromDay"), tr("From day"), CDateRangeCheck::kMinDay, CDateRangeCheck::kMaxDay, false, 56);
    m_FromYearSpin = makeSpin(this, QStringLiteral("fromYear"), tr("From year"), CDateRangeCheck::kMinYear, CDateRangeCheck::kMaxYear, true, 72);
    m_ToMonthList = makeMonthList(this, QStringLiteral("toMonth"));
    m_ToDaySpin = makeSpin(this, QStringLiteral("toDay"), tr("To day"), CDateRangeCheck::kMinDay, CDateRangeCheck::kMaxDay, false, 56);
    m_ToYearSpin = makeSpin(this, QStringLiteral("toYear"), tr("To year"), CDateRangeCheck::kMinYear, CDateRangeCheck::kMaxYear, true, 72);

    auto *from = new QLabel(tr("&From:"), this);
    from->setBuddy(m_FromMonthList);
    grid->addWidget(from, 0, 0);
    grid->addWidget(m_FromMonthList, 0, 1);
    grid->addWidget(m_FromDaySpin, 0, 2);
    grid->addWidget(m_FromYearSpin, 0, 3);
    auto *to = new QLabel(tr("&To:"), this);
    to->setBuddy(m_ToMonthList);
    grid->addWidget(to, 1, 0);
    grid->addWidget(m_ToMonthList, 1, 1);
    grid->addWidget(m_ToDaySpin, 1, 2);
    grid->addWidget(m_ToYearSpin, 1, 3);
    grid->setColumnStretch(1, 1);
    m_layout->addLayout(grid);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRangeDlgBase::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRangeDlgBase::reject);
    m_layout->addStretch(1);
    m_layout->addWidget(buttons);
}

void CRangeDlgBase::showEvent(QShowEvent *event)
{
    if (!m_initialised) {
        m_initialised = true;
        InitDialog();
    }
    QDialog::showEvent(event);
}

void CRangeDlgBase::InitDialog()
{
    // A date that cannot be broken down shows as the first of January of
    // the lowest year rather than as nonsense in the fields.
    COleDateTime::Parts from {}, to {};
    if (!m_From.GetParts(from))
        from = { CDateRangeCheck::kMinYear, 1, 1, 0, 0, 0, 0 };
    if (!m_To.GetParts(to))
        to = { CDateRangeCheck::kMinYear, 1, 1, 0, 0, 0, 0 };
    m_FromMonthList->setCurrentIndex(from.month - 1);
    m_ToMonthList->setCurrentIndex(to.month - 1);
    m_FromDay = from.day;
    m_ToDay = to.day;
    m_FromYear = from.year;
    m_ToYear = to.year;
    m_FromDaySpin->setValue(m_FromDay);
    m_FromYearSpin->setValue(m_FromYear);
    m_ToDaySpin->setValue(m_ToDay);
    m_ToYearSpin->setValue(m_ToYear);
}

CDateRangeFields CRangeDlgBase::Fields() const
{
    CDateRangeFields f;
    f.m_fromMonth = m_FromMonthList->currentIndex() + 1;
    f.m_fromDay = m_FromDaySpin->valueText();
    f.m_fromYear = m_FromYearSpin->valueText();
    f.m_toMonth = m_ToMonthList->currentIndex() + 1;
    f.m_toDay = m_ToDaySpin->valueText();
    f.m_toYear = m_ToYearSpin->valueText();
    return f;
}

QWidget *CRangeDlgBase::FieldWidget(CDateRangeCheck::Field field) const
{
    switch (field) {
    case CDateRangeCheck::FromDay: return m_FromDaySpin;
    case CDateRangeCheck::FromYear: return m_FromYearSpin;
    case CDateRangeCheck::ToDay: return m_ToDaySpin;
    case CDateRangeCheck::ToYear: return m_ToYearSpin;
    default: return nullptr;
    }
}

void CRangeDlgBase::accept()
{
    const CDateRangeCheck::Result r = CDateRangeCheck::Check(Fields());
    if (r.m_outcome == CDateRangeCheck::NotInteger || r.m_outcome == CDateRangeCheck::OutOfRange) {
        CMessageBox::Show(r.m_message, CMessageSink::Ok, CMessageSink::Warning);
        if (QWidget *w = FieldWidget(r.m_field)) {
            w->setFocus();
            if (auto *spin = qobject_cast<CSpinEdit *>(w))
                spin->selectAll();
        }
        return;
    }
    m_FromDay = r.m_fromDay;
    m_FromYear = r.m_fromYear;
    m_ToDay = r.m_toDay;
    m_ToYear = r.m_toYear;
    if (r.m_outcome == CDateRangeCheck::InvalidDate) {
        CMessageBox::Show(r.m_message, CMessageSink::Ok, CMessageSink::Warning);
        return;
    }
    m_From = r.m_from;
    m_To = r.m_to;
    ReadExtra();
    QDialog::accept();
}
