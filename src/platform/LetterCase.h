#pragma once

#include <QByteArray>

// Telling a change of letter case from a move onto another item. On a case-sensitive file
// system "a.txt" and "A.txt" may be two files; on one that ignores case (vfat, exFAT, SMB
// shares, ext4 with casefold) they are one, and FUSE mounts may even give that one item a
// new inode number per spelling, so identity alone cannot tell.
namespace LetterCase {

// Whether the item found at the target is the source itself under a name that differs in
// letter case only: the names are equal ignoring case (in NFC), and either both paths name
// the same device and inode, or the target's folder lists no entry whose name is exactly the
// target's bytes (the lookup found the source by folding case). An entry with exactly the
// target's name is another item.
bool isSourceApartFromCase(const QByteArray &source, const QByteArray &target);

// Whether the folder lists an entry whose name is exactly these bytes.
bool folderHasEntryNamed(const QByteArray &folder, const QByteArray &name);
// Whether the path's folder lists an entry whose name equals the path's last component
// ignoring case (in NFC): on a volume that ignores case, whether the name is taken by any
// spelling. An unreadable folder counts as holding one.
bool isListedBySomeSpelling(const QByteArray &path);

}  // namespace LetterCase
