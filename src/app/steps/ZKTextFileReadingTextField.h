#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <functional>
#include <optional>

#include "app/steps/TermsImportDialog.h"

class QToolButton;
class ZKTextFileReflection;

// The multi-line terms field of a Sequence step, over the step's ZKTextFileReflection. A
// small import button in the field's corner reads a text or CSV file into it, optionally
// reflecting the file: the field then looks different, names the file in its status text
// and follows the file while it is shown. Typing ends the reflection.
//
// The text itself travels through the step's setting binding (typing is a user edit of the
// terms); this field keeps the import, the reflection's look and the observation.
class ZKTextFileReadingTextField : public QPlainTextEdit {
    Q_OBJECT
public:
    // Asks for the file to import; given the reflected path ("" when none). None cancels.
    using ImportChooser =
        std::function<std::optional<TermsImportChoice>(QWidget *parent, const QString &)>;

    explicit ZKTextFileReadingTextField(ZKTextFileReflection &reflection,
                                        QWidget *parent = nullptr);
    ~ZKTextFileReadingTextField() override;

    QToolButton *importButton() const { return importButton_; }
    // Tests answer the file dialog themselves.
    void setImportChooser(ImportChooser chooser) { chooser_ = std::move(chooser); }

    // Asks for a file and imports it; a file that holds no text leaves the terms as they are
    // and is reported in a message box.
    void importTerms();

    // One line for under the field: the reflected file, or why its reflection ended; "" when
    // there is nothing to say.
    QString statusText() const;

signals:
    void statusTextChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isReflectingNow() const;
    void reflectionChanged();
    void updateLook();
    void placeImportButton();
    void reportFailedImport(const QString &path, const QString &error);

    QPointer<ZKTextFileReflection> reflection_;
    QToolButton *importButton_;
    ImportChooser chooser_ = &TermsImportDialog::choose;
    // The path reflected before the latest change, to tell a lost file from a user edit.
    QString lastReflectedPath_;
    // Why the latest reflection ended, when its file could not be read.
    QString lostFileMessage_;
};
