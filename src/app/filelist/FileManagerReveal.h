#pragma once

#include <QString>

// Shows an item in the desktop's file manager: its folder opened with the item selected
// (org.freedesktop.FileManager1 ShowItems), or, where no file manager answers that call, the
// folder opened by the desktop's default handler. The path is handed over as a file URL,
// never through a shell.
void revealInFileManager(const QString &path);
