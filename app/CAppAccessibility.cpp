#include "app/CAppAccessibility.h"

#include "app/CSpinArrows.h"
#include "calendar/CCalendarAccessible.h"
#include "dialogs/CAccessibleControls.h"

#include <QAccessibleWidget>

namespace {

// The month or year arrows: a spin box whose value reads as the display
// beside it does.
class CSpinArrowsAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit CSpinArrowsAccessible(CSpinArrows *spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return spin()->ValueText();
        return QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return spin()->Pos() + spin()->ShownOffset(); }
    void setCurrentValue(const QVariant &value) override
    {
        spin()->StepBy(value.toInt() - spin()->ShownOffset() - spin()->Pos());
    }
    QVariant maximumValue() const override { return spin()->High() + spin()->ShownOffset(); }
    QVariant minimumValue() const override { return spin()->Low() + spin()->ShownOffset(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    CSpinArrows *spin() const { return static_cast<CSpinArrows *>(widget()); }
};

QAccessibleInterface *createSpin(const QString &, QObject *object)
{
    if (auto *spin = qobject_cast<CSpinArrows *>(object))
        return new CSpinArrowsAccessible(spin);
    return nullptr;
}

} // namespace

void CAppAccessibility::Install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&CAccessibleControls::Create);
    QAccessible::installFactory(&CCalendarAccessible::Create);
    QAccessible::installFactory(&createSpin);
}
