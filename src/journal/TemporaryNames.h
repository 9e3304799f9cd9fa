#pragma once

#include <QByteArray>

// The names a change of letter case passes through. Recovery must recognise them after a
// crash, so they live beside the journal.
namespace TemporaryNames {

// The next temporary path for a target: "com.quorlix.tvt N" in the target's folder, plus
// "." and the target's extension when it has one. N is process-wide and starts at 1.
QByteArray nextTemporaryPath(const QByteArray &target);
// Whether the item's name is one nextTemporaryPath gives.
bool isTemporaryPath(const QByteArray &path);

}  // namespace TemporaryNames
