#include "app/steps/ZKTextFileReadingTextField.h"

#include "engine/ZKTextFileReflection.h"

ZKTextFileReadingTextField::ZKTextFileReadingTextField(ZKTextFileReflection &reflection,
                                                       QWidget *parent)
    : QPlainTextEdit(parent), reflection_(&reflection) {
    setPlainText(reflection.text());
}
