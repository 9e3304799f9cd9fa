#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The titles of the step editors' menus, each item with its setting's tag, and the phrases
// the collapsed summaries share.
namespace StepMenus {

using Items = QList<QPair<QString, int>>;

// Every operation, in menu order.
Items operationItems();
// Remove and Insert: positions counted from the start (0) or the end (1).
Items directionItems();
Items nameCaseItems();
Items extensionCaseItems();
// Short words in title case: made lower case (0) or left as they are (1).
Items exceptionModeItems();
// The longest short word: 1 to 9 characters.
Items cutOffItems();

// "what at position n" or "what at position n from the end".
QString positionSummary(const QString &what, qint64 start, qint64 direction);

}  // namespace StepMenus
