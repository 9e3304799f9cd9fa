#pragma once

#include <QString>
#include <QTemporaryDir>

// Points HOME and the XDG folders at a private temporary folder, so that no test
// ever reads or writes the real user's files or settings.
void isolateUserFolders();

// Every test starts with no user default set (registered defaults stay), whatever the tests
// before it changed; call once from main, after the application object exists.
void resetUserDefaultsBeforeEveryTest();

// The temporary home created by isolateUserFolders().
QString testHome();

// A temporary folder for one test, with helpers to create items inside it.
class TestDir {
public:
    TestDir();
    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    // Path of a relative item inside the folder.
    QString filePath(const QString &relative) const;
    // Creates a file (and its parent folders) with the given content; returns its path.
    QString makeFile(const QString &relative, const QByteArray &content = QByteArray());
    // Creates a folder (and its parents); returns its path.
    QString makeFolder(const QString &relative);

private:
    QTemporaryDir dir_;
};
