#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QFileSystemWatcher;

// The model of a text field that can reflect a text file (the terms of a Sequence step):
// its text and, while a file is reflected, the file's path. A reflected file is read again
// whenever the text is needed (updatedText), whenever the application becomes active, and,
// while watching is on, whenever the file changes on disk; a changed file replaces the text
// and textDidChange follows on the next turn of the event loop. A user edit, an import
// without reflection or a file that can no longer be accessed ends the reflection.
//
// A widget binds to it: it shows text() and updates on textDidChange, sends typing through
// userDidEditText (or the owner's setter), draws the reflection state from isReflecting()
// and redraws on reflectionChanged, runs imports through importTextFile, and turns
// observation on while it is in a window (setObservesReflectedFile).
class ZKTextFileReflection : public QObject {
    Q_OBJECT
public:
    // The log line of a reflected file that can no longer be accessed.
    static inline const QString kCannotReadMessage = QStringLiteral("cannot read terms file: %1");
    // The log line of a reflected or imported file that holds no text.
    static inline const QString kNotTextMessage = QStringLiteral("terms file is not text: %1");

    explicit ZKTextFileReflection(QObject *parent = nullptr);
    ~ZKTextFileReflection() override;

    QString text() const { return text_; }
    // Sets the text as loaded from an archive; the reflection stays.
    void setText(const QString &text) { text_ = text; }
    // Sets the text as typed by the user: a change ends the reflection. Answers whether the
    // text changed.
    bool userDidEditText(const QString &text);
    // Sets the text while marked as updating from the file (none gives "").
    void updateWithText(const std::optional<QString> &text);
    bool isUpdatingForReflectedTextFile() const { return isUpdating_; }

    // The reflected file's path with the home folder written "~"; "" when none.
    QString reflectedTextFilePath() const { return reflectedPath_; }
    // Takes a path (absolute or with "~"; "" ends the reflection).
    void setReflectedTextFilePath(const QString &path);
    bool isReflecting() const { return !reflectedPath_.isEmpty(); }

    // The text after reading the reflected file again. Without a reflection: the text. A
    // file that holds text different from the text replaces it (textDidChange follows later,
    // never during the caller's work). A file that cannot be accessed logs kCannotReadMessage
    // and ends the reflection; a file that is no text is logged once and changes nothing.
    QString updatedText();

    // Reads the file as the field's new text and reflects it when `reflect` is set (ending
    // any reflection otherwise); textDidChange follows at once. A file that cannot be read
    // as text changes nothing and answers false with *error set.
    bool importTextFile(const QString &path, bool reflect, QString *error = nullptr);

    // While on (the field is in a window) and a file is reflected, the activation of the
    // application and every change of the file on disk read the file again. Off by default:
    // steps that are not shown (copies, history entries) must not react, and every file
    // watcher holds a system resource.
    void setObservesReflectedFile(bool observe);
    bool observesReflectedFile() const { return observes_; }

    // Starts or stops observing the activation of the application (a repeated call does
    // nothing); activation reads the reflected file again. setObservesReflectedFile keeps
    // it on exactly while observing and reflecting.
    void registerForApplicationDidBecomeActiveNotification(bool observe);
    bool isRegisteredForApplicationDidBecomeActiveNotification() const { return isObserving_; }
    void applicationDidBecomeActive() { updatedText(); }

signals:
    // The text was replaced from the file or by an import.
    void textDidChange();
    // A reflection began or ended.
    void reflectionChanged();

private:
    QString expandedPath() const;
    std::optional<QString> readReflectedFile();
    void dropReflection();
    void deliverTextDidChangeLater();
    void updateObservation();
    void reflectedFileChangedOnDisk();

    QString text_;
    QString reflectedPath_;
    bool isUpdating_ = false;
    bool isObserving_ = false;
    bool observes_ = false;
    bool isTextDidChangePending_ = false;
    bool lastReadWasNotText_ = false;
    std::unique_ptr<QFileSystemWatcher> watcher_;
};
