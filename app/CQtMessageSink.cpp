#include "app/CQtMessageSink.h"

#include "model/CTrace.h"

#include <QApplication>
#include <QMessageBox>

CMessageSink::Answer CQtMessageSink::Show(const QString &text, Buttons buttons, Icon icon)
{
    Trace(QStringLiteral("Message box: ") + text + QLatin1Char('\n'));
    QMessageBox box(QApplication::activeWindow());
    //: The title of the program's message boxes: the program's name.
    box.setWindowTitle(QCoreApplication::translate("CQtMessageSink", "Kestrelmark"));
    // Texts end in a line feed here and there; the box needs none.
    QString shown = text;
    while (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case Error: box.setIcon(QMessageBox::Critical); break;
    case Information: box.setIcon(QMessageBox::Information); break;
    case Question: box.setIcon(QMessageBox::Question); break;
    default: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
    case OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint, !QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Yes: return IdYes;
    case QMessageBox::No: return IdNo;
    case QMessageBox::Cancel: return IdCancel;
    case QMessageBox::Ok: return IdOk;
    default: return buttons == Ok ? IdOk : (buttons == YesNo ? IdNo : IdCancel);
    }
}
