#pragma once

#include <QWidget>

class ZKOperationEditor;
class ZKRenamer;

// Makes the editor of an operation. An operation gets its editor by adding one editor class
// and one line to the table in the .cpp.
namespace ZKOperationEditorFactory {

// The editor for the operation tag, or null for an operation without one.
ZKOperationEditor *create(int operation, ZKRenamer &renamer, QWidget *parent = nullptr);
bool hasEditor(int operation);

}  // namespace ZKOperationEditorFactory
