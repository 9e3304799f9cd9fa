#pragma once

#include <QPlainTextEdit>
#include <QPointer>

class ZKTextFileReflection;

// A multi-line text field bound to a ZKTextFileReflection (the terms of a Sequence step).
class ZKTextFileReadingTextField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ZKTextFileReadingTextField(ZKTextFileReflection &reflection, QWidget *parent = nullptr);

private:
    QPointer<ZKTextFileReflection> reflection_;
};
