#pragma once

#include <QByteArrayView>
#include <QList>
#include <QRgb>

// A logical palette: the colours a 256-colour display shows the program's
// pictures with. The program's own has 236 colours, taken from the colour
// table of bitmap resource 493.
class CPalette
{
public:
    static constexpr int kProgramColors = 236;
    static constexpr int kPaletteResource = 493;

    CPalette() = default;
    explicit CPalette(QList<QRgb> entries) : m_entries(std::move(entries)) {}

    bool IsNull() const { return m_entries.isEmpty(); }
    int GetEntryCount() const { return int(m_entries.size()); }
    QRgb Entry(int i) const { return m_entries.at(i); }
    const QList<QRgb> &Entries() const { return m_entries; }

    // The first count colours of a packed picture's colour table; false
    // when the table holds fewer.
    static bool FromPackedDib(QByteArrayView packed, int count, CPalette *out);

    // The program palette from bitmap resource 493. Failures are shown to
    // the user ("LoadDIBFromResouce failed!", "CreatePalette failed!") and
    // give an empty palette; start-up goes on without one.
    static CPalette BuildProgramPalette();

private:
    QList<QRgb> m_entries;
};
