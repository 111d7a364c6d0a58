#pragma once
#include <QByteArray>
#include <QString>

namespace art {

// resources/NOTICE: where the artwork comes from and under which licences,
// followed by the text of the Apache License 2.0 that covers the emoji
// images the icons are drawn from. False when the licence text is missing.
bool makeNotice(QByteArray *notice, QString *error);

} // namespace art
