#pragma once

#include <QFileDialog>
#include <optional>

class QCheckBox;

// What the user chose for a terms import: the file, and whether the terms follow it.
struct TermsImportChoice {
    QString path;
    bool reflect = false;
};

// The file dialog of a terms import: one existing text or CSV file, with the check box that
// makes the terms follow the file. The platform's own dialog cannot carry the check box, so
// this one is always Qt's.
class TermsImportDialog : public QFileDialog {
    Q_OBJECT
public:
    // Opens in the folder of the reflected file, when there is one, with the check box on.
    TermsImportDialog(QWidget *parent, const QString &reflectedPath);

    QCheckBox *reflectSwitch() const { return reflect_; }

    // Runs the dialog window-modal over the parent's window; none when cancelled.
    static std::optional<TermsImportChoice> choose(QWidget *parent, const QString &reflectedPath);

private:
    QCheckBox *reflect_;
};
