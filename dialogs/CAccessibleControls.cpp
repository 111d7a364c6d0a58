#include "dialogs/CAccessibleControls.h"

#include "dialogs/CAnimButton.h"
#include "dialogs/CReminderAlertDlg.h"
#include "dialogs/CTextLabel.h"
#include "dialogs/CTwoStateButton.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// A picture button; pressing it is its one action.
class CPictureButtonAccessible : public QAccessibleWidget
{
public:
    explicit CPictureButtonAccessible(CAnimButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        // Without a name of its own it goes by its tip.
        return own.isEmpty() && t == QAccessible::Name ? widget()->toolTip() : own;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<CAnimButton *>(widget())->Press();
        else
            QAccessibleWidget::doAction(name);
    }
};

// The two-picture button: checked while it is held down.
class CTwoStateAccessible : public QAccessibleWidget
{
public:
    explicit CTwoStateAccessible(CTwoStateButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Name ? button()->text() : own;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    CTwoStateButton *button() const { return static_cast<CTwoStateButton *>(widget()); }
};

// A text display reads as what it shows.
class CTextLabelAccessible : public QAccessibleWidget
{
public:
    explicit CTextLabelAccessible(CTextLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (!own.isEmpty() || t != QAccessible::Name)
            return own;
        return static_cast<CTextLabel *>(widget())->DisplayText();
    }
};

// The alert: its message is what a screen reader says when it appears.
class CAlertAccessible : public QAccessibleWidget
{
public:
    explicit CAlertAccessible(CReminderAlertDlg *alert) : QAccessibleWidget(alert, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description || t == QAccessible::Value)
            return static_cast<CReminderAlertDlg *>(widget())->MessageLabel()->text();
        return QAccessibleWidget::text(t);
    }
};

} // namespace

QAccessibleInterface *CAccessibleControls::Create(const QString &, QObject *object)
{
    if (auto *button = qobject_cast<CAnimButton *>(object))
        return new CPictureButtonAccessible(button);
    if (auto *button = qobject_cast<CTwoStateButton *>(object))
        return new CTwoStateAccessible(button);
    if (auto *label = qobject_cast<CTextLabel *>(object))
        return new CTextLabelAccessible(label);
    if (auto *alert = qobject_cast<CReminderAlertDlg *>(object))
        return new CAlertAccessible(alert);
    return nullptr;
}
