#pragma once

#include <QByteArray>
#include <QDialog>
#include <QImage>

class QLabel;

// A quick look at a listed file: an image in a window of its own (Space, Escape or a click
// closes it), anything else in the application the desktop uses for its type.
class QuickPreview : public QDialog {
    Q_OBJECT
public:
    // Shows the item at the exact path on disk; false (nothing shown) for a folder, or a file
    // that neither reads as an image nor can be handed to the desktop.
    static bool preview(const QByteArray &nativePath, QWidget *parent);

    QuickPreview(const QImage &image, const QString &title, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
