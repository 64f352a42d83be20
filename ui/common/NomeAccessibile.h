#pragma once

#include <QString>

class QWidget;

// What a screen reader announces for a field: its caption followed by its
// unit, as a sighted user reads the row. A caption alone (its buddy label)
// would leave out the unit, which sits in a label of its own. Blanks are
// collapsed, and a caption ending in "=" loses it, since the "=" only leads
// the eye to the field. Access-key ampersands are not read.
QString NomeAccessibile(const QString &didascalia, const QString &unita = {});

// Names the field, and the labels it is already the buddy of, with
// NomeAccessibile.
void ImpostaNomeAccessibile(QWidget *campo, const QString &didascalia, const QString &unita = {});
