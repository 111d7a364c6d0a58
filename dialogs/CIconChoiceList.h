#pragma once

#include <QListWidget>

class CEditorIcons;

// The editor's icon choice: a multi-column list of 36 x 36 cells that
// scrolls sideways, each cell one icon of the library, its item data the
// icon number.
class CIconChoiceList : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int kCellSize = 36;

    explicit CIconChoiceList(CEditorIcons *icons, QWidget *parent = nullptr);

    // Empties the list and adds one cell per number, in order.
    void Fill(const QList<int> &numbers);
    // Selects the cell of number (none when the list does not offer it).
    void SelectNumber(int number);
    // The number of the selected cell, -1 when none is selected.
    int SelectedNumber() const;
    // The number at each row.
    QList<int> Numbers() const;
    // Where the cell of number lies, in the list's viewport; empty if absent.
    QRect CellRect(int number) const;

    CEditorIcons *Icons() const { return m_icons; }

private:
    CEditorIcons *m_icons = nullptr;
};
